#include "app/register_forms.h"

#include "app/main_menu.h"
#include "app/splash.h"
#include "document/windows/editor/register_document.h"
#include "info/windows/register_info.h"
#include "questionnaire/windows/register_questionnaire.h"
#include "shell/form.h"

void registerAllForms()
{
    Forms::registerForm(QStringLiteral("frmSplash"), [] { return new Splash; });
    Forms::registerForm(QStringLiteral("frmMain"), [] { return new MainMenu; });
    registerQuestionnaireForms();
    registerDocumentForms();
    registerInfoForms();
}
