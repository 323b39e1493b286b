#include "app/form_groups.h"

void registerDocumentForms()
{
}
