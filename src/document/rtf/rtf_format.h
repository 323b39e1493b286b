#pragma once

#include <QColor>
#include <QHashFunctions>
#include <QList>
#include <QString>

#include <unordered_map>

class QTextBlockFormat;
class QTextCharFormat;

namespace Rtf {

// Character formatting as RTF states it; resolved against the font and colour
// tables only when a run is inserted.
struct CharProps
{
    enum Flag : unsigned char { Bold = 1, Italic = 2, Underline = 4, Strike = 8 };
    static constexpr int kDefaultHalfPoints = 24;

    int font = -1; // RTF font number; -1 is the default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // colour table index; 0 is "auto"
    unsigned char flags = 0;

    bool has(Flag f) const { return flags & f; }
    void set(Flag f, bool on) { flags = on ? (flags | f) : (flags & ~f); }
    friend bool operator==(const CharProps &, const CharProps &) = default;
};

inline size_t qHash(const CharProps &p, size_t seed = 0)
{
    return qHashMulti(seed, p.font, p.halfPoints, p.color, p.flags);
}

struct ParaProps
{
    enum Align : unsigned char { Left, Center, Right, Justify };
    Align align = Left;
    friend bool operator==(const ParaProps &, const ParaProps &) = default;
};

struct FontEntry
{
    QString family;
    int codePage = 0; // 0: the document's code page
};

// The font and colour tables of a document being read.
struct DocumentTables
{
    std::unordered_map<int, FontEntry> fonts;
    QList<QColor> colors; // an invalid colour is "auto"
    int defaultFont = 0;

    const FontEntry *font(int number) const;
    QTextCharFormat charFormat(const CharProps &props) const;
    static QTextBlockFormat blockFormat(const ParaProps &props);
};

} // namespace Rtf
