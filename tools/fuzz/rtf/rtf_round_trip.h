#pragma once
// The property the fuzzer and the regression tests check on any input: the reader
// either refuses it or reads it, and what it read survives the writer and the reader
// again unchanged (paragraph by paragraph).

#include "document/rtf/rtf.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace RtfFuzz {

inline QStringList blockTexts(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        texts << b.text();
    return texts;
}

// False when the round trip changes the text.
inline bool roundTripHolds(const QByteArray &input)
{
    QTextDocument doc;
    if (!Rtf::read(input, doc).ok)
        return true;
    QTextDocument back;
    return Rtf::read(Rtf::write(doc), back).ok && blockTexts(back) == blockTexts(doc);
}

} // namespace RtfFuzz
