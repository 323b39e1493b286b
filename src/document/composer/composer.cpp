#include "document/composer/composer.h"

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

void fillDocument(QTextDocument &document, const QString &text)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QFont base = document.defaultFont();
    base.setFamilies({QStringLiteral("Arial")});
    base.setPointSize(12);
    document.setDefaultFont(base);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockCharFormat(composedCharFormat());
    cursor.insertText(text, composedCharFormat());
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}
