#include "app/form_groups.h"

#include "app/form.h"
#include "questionnaire/windows/overview_table.h"
#include "questionnaire/windows/page_table.h"
#include "questionnaire/windows/question_page.h"
#include "questionnaire/windows/section_overview.h"

void registerQuestionnaireForms()
{
    for (const OverviewSpec &spec : overviewSpecs()) {
        const OverviewSpec *s = &spec;
        Forms::registerForm(QString::fromLatin1(spec.name), [s]() -> Form * {
            if (s->publicSecondOpener)
                return new TwoPageOverview(*s);
            return new SectionOverview(*s);
        });
    }
    for (const PageSpec &spec : pageSpecs()) {
        const PageSpec *s = &spec;
        Forms::registerForm(QString::fromLatin1(spec.name), [s] { return new QuestionPage(*s); });
    }
}
