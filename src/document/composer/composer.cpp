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

qsizetype composedLength(const AnswerStore &store)
{
    qsizetype length = kThankYouLine.size() + 4;
    for (const SectionInfo &section : QuestionCatalogue::sections())
        length += qstrlen(section.heading) + 4;
    for (int n = 1; n <= kQuestionCount; ++n)
        length += store.questionText(n).size() + store.answerOf(n).size() + 8;
    return length;
}
} // namespace

QString composeDocument(const AnswerStore &store)
{
    QString doc;
    doc.reserve(composedLength(store));
    doc += kThankYouLine + kBreak + kBreak;
    for (const SectionInfo &section : QuestionCatalogue::sections()) {
        doc += QLatin1String(section.heading) + kBreak + kBreak;
        for (const QuestionInfo &q : QuestionCatalogue::questionsOf(section.id)) {
            doc += store.questionText(q.number) + kBreak + kBreak;
            doc += store.answerOf(q.number) + kBreak;
            if (q.number != kQuestionCount)
                doc += kBreak;
        }
    }
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
// The end of the piece that starts at `from`: never between CR and LF, nor inside a surrogate pair.
qsizetype pieceEnd(const QString &text, qsizetype from)
{
    constexpr qsizetype kPiece = 256 * 1024;
    qsizetype end = qMin(from + kPiece, text.size());
    if (end < text.size() && (text[end - 1] == QLatin1Char('\r') || text[end - 1].isHighSurrogate()))
        ++end;
    return end;
}
} // namespace

bool fillDocument(QTextDocument &document, const QString &text, WorkProgress *progress)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QFont base = document.defaultFont();
    base.setFamilies({QStringLiteral("Arial")});
    base.setPointSize(12);
    document.setDefaultFont(base);
    // A new document is laid out on the user's own paper.
    setDocumentPageLayout(document, userPageLayout());
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockCharFormat(composedCharFormat());
    // In pieces, so that a long text can show its progress and be stopped.
    bool goOn = true;
    for (qsizetype from = 0; goOn && from < text.size();) {
        const qsizetype end = pieceEnd(text, from);
        cursor.insertText(QStringView(text).mid(from, end - from).toString(), composedCharFormat());
        from = end;
        goOn = !progress || progress->advance(from, text.size());
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    return goOn;
}
