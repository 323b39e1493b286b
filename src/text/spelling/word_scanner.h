#pragma once
// Finds the words of a text that a dictionary should judge. Left out: numbers and words with
// digits, words in capitals only (names, abbreviations), and web and e-mail addresses.
// A word is a run of letters; an apostrophe inside it belongs to it ("don't", "Grandma's"),
// a hyphen parts it ("well-known" is two words).

#include <QList>
#include <QStringView>

namespace Spelling {
struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const WordSpan &) const = default;
};

// The words to check, in order, as spans of the text.
QList<WordSpan> wordsToCheck(QStringView text);
} // namespace Spelling
