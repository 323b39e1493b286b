#pragma once
// How much the editor takes in. Each paragraph costs the text document about 110 bytes, so a
// file of ten million empty paragraphs (50 MB of RTF) would need over a gigabyte; no life story
// comes near the limit, and a file beyond it is refused whole rather than shown in part.

#include "document/reading/outcome.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstddef>

inline constexpr qsizetype kMaxParagraphs = 1'000'000;

// No real answer file comes near this; anything larger is not one.
inline constexpr qint64 kMaxDataFileSize = 64 * 1024 * 1024;

// What an RTF file may ask for; beyond these it is hostile or broken, and the rest is left out.
namespace RtfLimits {
inline constexpr int kMaxHalfPoints = 3276; // Word's largest size, 1638 pt
inline constexpr int kMaxTwips = 31680;     // 22 inches, Word's largest page
inline constexpr int kMaxCells = 63;        // Word's limit per row
inline constexpr int kMaxTabs = 64;
inline constexpr int kMaxListLevels = 9;
inline constexpr int kMaxLists = 4096;
inline constexpr int kMaxPictures = 10000;
inline constexpr int kMaxLinks = 100000;
inline constexpr int kMaxNumber = 1 << 20;  // list starts, picture sizes
inline constexpr size_t kMaxGroupDepth = 1 << 15;
inline constexpr size_t kMaxCodePages = 32;
} // namespace RtfLimits

inline QString tooManyParagraphs()
{
    return QCoreApplication::translate("DocumentLimits", "It has more than %L1 paragraphs, more than the editor can hold.")
        .arg(kMaxParagraphs);
}

// Fails when a plain text has more lines than the editor can hold.
inline Outcome checkEditorLength(QStringView text)
{
    if (std::ranges::count(text, QLatin1Char('\n')) + std::ranges::count(text, QLatin1Char('\r'))
        < kMaxParagraphs)
        return {};
    // CR LF counts twice above; count exactly only near the limit.
    qsizetype lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            ++lines;
    }
    return lines > kMaxParagraphs ? Outcome::failed(tooManyParagraphs()) : Outcome();
}
