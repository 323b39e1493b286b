#pragma once

#include <string_view>

namespace Rtf {

// What the reader does with a control word.
enum class Action : unsigned char {
    Unknown,         // ignored
    SkipDestination, // the rest of the group is left out
    Character,       // inserts ControlWordInfo::character
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, UnicodeSkip, Unicode,
    FontTable, ColorTable, Font, FontCharset, FontCodePage, Red, Green, Blue,
    Plain, Pard, Par, Line, Tab, Sect,
    Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Color,
    AlignLeft, AlignCenter, AlignRight, AlignJustify,
    Cell, Row,
    UnicodePair, UnicodeDestination, // \upr and \ud
};

struct ControlWordInfo
{
    std::string_view name;
    Action action;
    char16_t character = 0;
    bool afterStar = false; // still honoured after \* (all other words skip the group)
};

// Looks up a control word; returns the Unknown entry for words not in the table.
const ControlWordInfo &controlWord(std::string_view name);

} // namespace Rtf
