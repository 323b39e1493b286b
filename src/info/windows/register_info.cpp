#include "app/form_groups.h"
#include "info/windows/info_window.h"

void registerInfoForms()
{
    for (const Info::WindowSpec &spec : Info::windowSpecs())
        Forms::registerForm(QString::fromLatin1(spec.name), [&spec] { return new InfoWindow(spec); });
}
