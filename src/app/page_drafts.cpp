#include "app/page_drafts.h"

#include "document/recovery/draft_board.h"
#include "questionnaire/windows/question_page.h"

void connectPageToDrafts(QuestionPage &page)
{
    QuestionPage *p = &page;
    QObject::connect(p, &QuestionPage::boxesFilled, p,
                     [p] { p->restoreTyping(DraftBoard::instance().takeTyping(p->questions())); });
    // Read when the safety copy is written, so the board holds the page, not a copy of its text.
    QObject::connect(p, &QuestionPage::typingChanged, p, [p](bool unsaved) {
        DraftBoard::instance().postPage(p->objectName(), unsaved ? DraftBoard::PageTyping([p] { return p->typing(); })
                                                                 : DraftBoard::PageTyping());
    });
}
