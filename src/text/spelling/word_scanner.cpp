#include "text/spelling/word_scanner.h"

namespace Spelling {
namespace {
bool isApostrophe(QChar c) { return c == QLatin1Char('\'') || c == QChar(0x2019); }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

// A stretch between spaces that is an address, not words: "https://...", "www.example.org",
// "grandpa@example.org".
bool isAddress(QStringView run)
{
    if (run.contains(u"://") || run.startsWith(u"www.", Qt::CaseInsensitive))
        return true;
    const qsizetype at = run.indexOf(QLatin1Char('@'));
    return at > 0 && run.indexOf(QLatin1Char('.'), at) > at + 1;
}

bool isCheckable(QStringView word)
{
    bool hasLower = false, hasUpper = false;
    for (QChar c : word) {
        if (c.isDigit())
            return false;
        hasLower = hasLower || c.isLower();
        hasUpper = hasUpper || c.isUpper();
    }
    return hasLower || !hasUpper; // scripts without capitals are checked too
}

// The words of one stretch without spaces.
void scanRun(QStringView text, qsizetype from, qsizetype to, QList<WordSpan> &out)
{
    qsizetype i = from;
    while (i < to) {
        if (!isWordChar(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < to && (isWordChar(text[i]) || (isApostrophe(text[i]) && i + 1 < to && isWordChar(text[i + 1]))))
            ++i;
        if (isCheckable(text.mid(start, i - start)))
            out.append({start, i - start});
    }
}
} // namespace

QList<WordSpan> wordsToCheck(QStringView text)
{
    QList<WordSpan> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        const qsizetype start = i;
        while (i < n && !text[i].isSpace())
            ++i;
        if (i > start && !isAddress(text.mid(start, i - start)))
            scanRun(text, start, i, out);
    }
    return out;
}
} // namespace Spelling
