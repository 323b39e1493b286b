#include "questionnaire/answer_store.h"

#include <memory>

AnswerStore::AnswerStore()
{
    for (const QuestionInfo &q : QuestionCatalogue::questions()) {
        if (q.alwaysText())
            m_answers[index(q.number)] = QString();
    }
}

int AnswerStore::index(int number)
{
    // An unknown key is a programming error; keep it from reading out of bounds in release builds.
    Q_ASSERT(number >= 1 && number <= kQuestionCount);
    return qBound(1, number, kQuestionCount) - 1;
}

QString AnswerStore::answerOf(int number) const { return m_answers[index(number)].value_or(QString()); }

bool AnswerStore::hasValue(int number) const { return m_answers[index(number)].has_value(); }

void AnswerStore::setAnswer(int number, const std::optional<QString> &text)
{
    const QuestionInfo &q = QuestionCatalogue::question(index(number) + 1);
    if (!text && q.alwaysText())
        m_answers[index(number)] = QString();
    else
        m_answers[index(number)] = text;
    changed();
}

void AnswerStore::changed()
{
    ++m_revision;
    if (m_batchDepth > 0) {
        m_pendingChange = true;
        return;
    }
    m_pendingChange = false;
    emit answersChanged();
}

AnswerStore::ChangeBatch::~ChangeBatch()
{
    if (--m_store.m_batchDepth == 0 && m_store.m_pendingChange)
        m_store.changed();
}

QString AnswerStore::questionText(int number) const { return m_texts[index(number)]; }

void AnswerStore::loadQuestionTexts()
{
    for (const QuestionInfo &q : QuestionCatalogue::questions())
        m_texts[index(q.number)] = QString::fromLatin1(q.text);
}

int AnswerStore::answeredCount(SectionId section) const
{
    int n = 0;
    for (const QuestionInfo &q : QuestionCatalogue::questionsOf(section))
        n += isAnswered(q.number) ? 1 : 0;
    return n;
}

bool AnswerStore::isSectionComplete(SectionId section) const
{
    return answeredCount(section) == QuestionCatalogue::section(section).size;
}

namespace {
std::unique_ptr<SharedState> &sharedSlot()
{
    static std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    return state;
}
} // namespace

SharedState &shared() { return *sharedSlot(); }

void resetSharedState() { sharedSlot() = std::make_unique<SharedState>(); }
