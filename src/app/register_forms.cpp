#include "app/register_forms.h"
#include "shell/window_names.h"

#include "app/main_menu.h"
#include "app/page_drafts.h"
#include "app/splash.h"
#include "document/windows/editor/register_document.h"
#include "info/windows/register_info.h"
#include "questionnaire/windows/register_questionnaire.h"
#include "shell/form.h"

void registerAllForms()
{
    Forms::registerForm(QLatin1String(WindowName::Splash), [] { return new Splash; });
    Forms::registerForm(QLatin1String(WindowName::Main), [] { return new MainMenu; });
    registerQuestionnaireForms(&connectPageToDrafts);
    registerDocumentForms();
    registerInfoForms();
}
