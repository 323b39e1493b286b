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
    Cell, NestedCell, Row, Page,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, AutoBefore, AutoAfter,
    LineSpacing, LineMultiple, TabCenter, TabRight, TabDecimal, TabStop, BarTab,
    PageBreakBefore, Keep, KeepNext, InTable, TableDepth, ListOverride, ListLevelNumber,
    ListText, ListTable, ListOverrideTable, ListDefinition, ListLevelDefinition, ListId,
    LevelNumberFormat, LevelStart, OldList, OldListLevel, OldListBullet, OldListBody,
    OldListStyle, OldListStart,
    RowDefaults, CellRight, RowGap, RowLeft, RowPadding, CellPadding, CellBorder,
    MergeFirst, MergeNext, VerticalMergeFirst, VerticalMergeNext, NestedTableProps,
    Picture, PictureKind, PictureWidth, PictureHeight, PictureGoalWidth, PictureGoalHeight,
    PictureScaleX, PictureScaleY, FieldInstruction,
    UnicodePair, UnicodeDestination, // \upr and \ud
    DocumentFormat, SectionFormat, SectionDefaults, Section, KeptGroup, // rtf_page_setup.h
    Hidden, AllCaps, SmallCaps, Kerning, Superscript, Subscript, NoSuperSub, RaiseBy, LowerBy,
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
