#pragma once
// A question page's unsaved typing goes to the draft board for the safety copy, and typing kept
// from a run that did not end normally comes back from it when the page is next shown.

class QuestionPage;

void connectPageToDrafts(QuestionPage &page);
