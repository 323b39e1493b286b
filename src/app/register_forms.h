#pragma once
// Registers every window of the program (app, questionnaire, document, info).
void registerAllForms();
