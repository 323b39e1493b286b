#include "document/composer/composer.h"

#include "document/pages/page_setup.h"
#include "document/reading/work_progress.h"
#include "questionnaire/answer_store.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {
const QString kBreak = QStringLiteral("\r\n");
// Shown above the first heading; the program's wording for it is an empty line.
const QString kThankYouLine;

// The document's pieces in order, each handed to `take`.
template <class Take>
void forEachPiece(const AnswerStore &store, Take take)
{
    take(kThankYouLine), take(kBreak), take(kBreak);
    for (const SectionInfo &section : QuestionCatalogue::sections()) {
        take(QString::fromLatin1(section.heading)), take(kBreak), take(kBreak);
        for (const QuestionInfo &q : QuestionCatalogue::questionsOf(section.id)) {
            take(store.questionText(q.number)), take(kBreak), take(kBreak);
            take(store.answerOf(q.number)), take(kBreak);
            if (q.number != kQuestionCount)
                take(kBreak);
        }
    }
}

qsizetype composedLength(const AnswerStore &store)
{
    qsizetype length = 0;
    forEachPiece(store, [&length](const QString &piece) { length += piece.size(); });
    return length;
}
} // namespace

QString composeDocument(const AnswerStore &store)
{
    QString doc;
    doc.reserve(composedLength(store));
    forEachPiece(store, [&doc](const QString &piece) { doc += piece; });
    return doc;
}

QTextCharFormat composedCharFormat()
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(12);
    return format;
}

namespace {
constexpr qsizetype kPiece = 256 * 1024;

// The end of the piece that starts at `from`: never between CR and LF, nor inside a surrogate pair.
qsizetype pieceEnd(const QString &text, qsizetype from)
{
    qsizetype end = qMin(from + kPiece, text.size());
    if (end < text.size() && (text[end - 1] == QLatin1Char('\r') || text[end - 1].isHighSurrogate()))
        ++end;
    return end;
}

// Puts text into a document emptied for it, in pieces that tell the progress how far it has come.
class Filler {
public:
    Filler(QTextDocument &document, qsizetype total, WorkProgress *progress)
        : m_document(document), m_cursor(&document), m_total(total), m_progress(progress), m_undo(document.isUndoRedoEnabled())
    {
        document.setUndoRedoEnabled(false);
        QFont base = document.defaultFont();
        base.setFamilies({QStringLiteral("Arial")});
        base.setPointSize(12);
        document.setDefaultFont(base);
        // A new document is laid out on the user's own paper.
        setDocumentPageLayout(document, userPageLayout());
        m_cursor.beginEditBlock();
        m_cursor.select(QTextCursor::Document);
        m_cursor.removeSelectedText();
        m_cursor.setBlockCharFormat(composedCharFormat());
    }
    ~Filler()
    {
        m_cursor.endEditBlock();
        m_document.setUndoRedoEnabled(m_undo);
    }
    // False once the progress said stop. The pieces are not copied: the text outlives the call.
    bool add(const QString &text)
    {
        const QTextCharFormat format = composedCharFormat();
        for (qsizetype from = 0; m_goOn && from < text.size();) {
            const qsizetype end = pieceEnd(text, from);
            m_cursor.insertText(QString::fromRawData(text.constData() + from, end - from), format);
            m_traits.add(QStringView(text).mid(from, end - from));
            m_done += end - from;
            from = end;
            // Once a piece's worth, however many short texts made it up, and at the end.
            if (m_progress && (m_done - m_reported >= kPiece || m_done == m_total)) {
                m_reported = m_done;
                m_goOn = m_progress->advance(m_done, m_total);
            }
        }
        return m_goOn;
    }
    FastLayout::TextTraits traits() const { return m_traits.traits(); }

private:
    QTextDocument &m_document;
    QTextCursor m_cursor;
    qsizetype m_total, m_done = 0, m_reported = 0;
    WorkProgress *m_progress;
    bool m_undo, m_goOn = true;
    FastLayout::TraitsReader m_traits;
};
} // namespace

bool fillDocument(QTextDocument &document, const QString &text, WorkProgress *progress, FastLayout::TextTraits *traits)
{
    Filler filler(document, text.size(), progress);
    const bool filled = filler.add(text);
    if (traits)
        *traits = filler.traits();
    return filled;
}

// Straight from the answers: the composed text is never made whole, which spares a copy of it.
bool fillDocument(QTextDocument &document, const AnswerStore &store, WorkProgress *progress, FastLayout::TextTraits *traits)
{
    Filler filler(document, composedLength(store), progress);
    bool filled = true;
    forEachPiece(store, [&](const QString &piece) { filled = filled && filler.add(piece); });
    if (traits)
        *traits = filler.traits();
    return filled;
}
