#pragma once
// The 77 answers of the run, with their question texts. An answer is either no value
// or a text; the data file is the only place where the two are told apart.

#include "questionnaire/catalogue.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class AnswerStore : public QObject {
    Q_OBJECT
public:
    AnswerStore();

    QString answerOf(const QuestionKey &key) const { return answerOf(QuestionCatalogue::numberOf(key)); }
    QString answerOf(int number) const;
    bool hasValue(const QuestionKey &key) const { return hasValue(QuestionCatalogue::numberOf(key)); }
    bool hasValue(int number) const;
    bool isAnswered(const QuestionKey &key) const { return isAnswered(QuestionCatalogue::numberOf(key)); }
    bool isAnswered(int number) const { return !answerOf(number).isEmpty(); }
    // Stores the text unchanged; no value for an always-text question stores "".
    void setAnswer(const QuestionKey &key, const std::optional<QString> &text) { setAnswer(QuestionCatalogue::numberOf(key), text); }
    void setAnswer(int number, const std::optional<QString> &text);

    QString questionText(const QuestionKey &key) const { return questionText(QuestionCatalogue::numberOf(key)); }
    QString questionText(int number) const;
    void loadQuestionTexts();

    int answeredCount(SectionId section) const;
    bool isSectionComplete(SectionId section) const;

    // The answers as they are now are in a data file the user saved or loaded; the next
    // change takes that back.
    void markInFile() { m_inFileRevision = m_revision; }
    bool isInFile() const { return m_inFileRevision == m_revision; }

    // Groups the answers one command writes (a page's boxes, a whole data file) into one change.
    class ChangeBatch {
    public:
        explicit ChangeBatch(AnswerStore &store) : m_store(store) { ++m_store.m_batchDepth; }
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch &) = delete;
        ChangeBatch &operator=(const ChangeBatch &) = delete;

    private:
        AnswerStore &m_store;
    };

signals:
    // After every change of the answers: once for a lone setAnswer, once at the end of a
    // ChangeBatch that changed anything.
    void answersChanged();

private:
    static int index(int number);
    void changed();
    quint64 m_revision = 0;
    quint64 m_inFileRevision = 0;
    int m_batchDepth = 0;
    bool m_pendingChange = false;
    std::array<std::optional<QString>, kQuestionCount> m_answers;
    std::array<QString, kQuestionCount> m_texts;
};

// saveRequest: whether the reminder window's OK asked the editor to save ("Y") or not ("N").
enum class SaveRequest { No, Yes };

// The one process-wide module of shared state that every window reaches directly.
struct SharedState {
    AnswerStore answers;
    qint16 editorOpenCount = 0; // editor activations since it was last loaded
    SaveRequest saveRequest = SaveRequest::No;
};

SharedState &shared();
inline AnswerStore &answerStore() { return shared().answers; }
// Replaces the shared state with a fresh one (tests start every case from scratch).
void resetSharedState();
