#include "app/form.h"
#include "app/form_groups.h"

void registerAllForms()
{
    registerAppForms();
    registerQuestionnaireForms();
    registerDocumentForms();
    registerInfoForms();
}
