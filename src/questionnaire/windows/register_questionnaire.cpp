#include "app/form_groups.h"

void registerQuestionnaireForms()
{
}
