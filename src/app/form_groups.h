#pragma once
// Each subsystem registers its own windows with the Forms registry.
void registerAppForms();
void registerQuestionnaireForms();
void registerDocumentForms();
void registerInfoForms();
