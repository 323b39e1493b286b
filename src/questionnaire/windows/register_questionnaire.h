#pragma once
// The section overviews and question pages, one window class each, from their tables.
void registerQuestionnaireForms();
