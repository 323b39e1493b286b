#include "app/form.h"
#include "app/form_groups.h"
#include "app/main_menu.h"
#include "app/splash.h"

void registerAppForms()
{
    Forms::registerForm(QStringLiteral("frmSplash"), [] { return new Splash; });
    Forms::registerForm(QStringLiteral("frmMain"), [] { return new MainMenu; });
}
