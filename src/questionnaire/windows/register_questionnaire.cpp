#include "questionnaire/windows/register_questionnaire.h"

#include "shell/form.h"
#include "questionnaire/windows/overview_table.h"
#include "questionnaire/windows/page_table.h"
#include "questionnaire/windows/question_page.h"
#include "questionnaire/windows/section_overview.h"

void registerQuestionnaireForms(const std::function<void(QuestionPage &)> &pageMade)
{
    for (const OverviewWindow &desc : overviewWindows()) {
        const OverviewWindow *s = &desc;
        Forms::registerForm(overviewName(desc), [s]() -> Form * {
            if (s->publicSecondOpener)
                return new TwoPageOverview(*s);
            return new SectionOverview(*s);
        });
    }
    for (const PageWindow &desc : pageWindows()) {
        const PageWindow *s = &desc;
        Forms::registerForm(pageName(desc), [s, pageMade] {
            auto *page = new QuestionPage(*s);
            if (pageMade)
                pageMade(*page);
            return page;
        });
    }
}
