#include "info/windows/register_info.h"
#include "info/windows/info_window.h"

void registerInfoForms()
{
    for (const Info::WindowTable &desc : Info::windowTables())
        Forms::registerForm(QString::fromLatin1(desc.name), [&desc] { return new InfoWindow(desc); });
}
