#pragma once
// The section overviews and question pages, one window class each, from their tables.

#include <functional>

class QuestionPage;

// `pageMade` is told of each question page as it is made, for the program to connect it.
void registerQuestionnaireForms(const std::function<void(QuestionPage &)> &pageMade = {});
