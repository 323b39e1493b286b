#include "document/book/book_content.h"

#include "questionnaire/answer_store.h"
#include "questionnaire/catalogue.h"

#include <QRegularExpression>

namespace {
bool hasWords(const QString &answer)
{
    for (const QChar c : answer) {
        if (!c.isSpace())
            return true;
    }
    return false;
}

bool isMinorWord(const QString &word)
{
    static const QStringList minor{QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("and"), QStringLiteral("in"),
                                   QStringLiteral("of"), QStringLiteral("on"), QStringLiteral("or"), QStringLiteral("the")};
    return minor.contains(word);
}
} // namespace

QString titleCaseHeading(const QString &heading)
{
    QString plain = heading.trimmed();
    if (plain.endsWith(QLatin1Char(':')))
        plain.chop(1);
    QStringList words = plain.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i == 0 || !isMinorWord(words[i]))
            words[i][0] = words[i][0].toUpper();
    }
    return words.join(QLatin1Char(' '));
}

QStringList answerLines(const QString &answer)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return answer.split(lineBreak);
}

QList<BookSection> bookContent(const AnswerStore &store)
{
    QList<BookSection> book;
    for (const SectionInfo &section : QuestionCatalogue::sections()) {
        BookSection part{titleCaseHeading(QString::fromLatin1(section.heading)), {}};
        for (const QuestionInfo &q : QuestionCatalogue::questionsOf(section.id)) {
            const QString answer = store.answerOf(q.number);
            if (hasWords(answer))
                part.entries.append({store.questionText(q.number), answer});
        }
        if (!part.entries.isEmpty())
            book.append(part);
    }
    return book;
}
