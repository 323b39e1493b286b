#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace Rtf {

// What kind of word a control word is: the reader hands each kind to one handler.
enum class Kind : unsigned char {
    Ignored,         // not in the table, or read only by its own group's reader (\picw ...)
    Skipped,         // a destination whose content is left out
    Symbol,          // stands for ControlWordInfo::value, a character
    Document,        // \rtf, code pages, \deff, \uc \u \upr \ud
    FontTable,       // the font and colour tables, their entries, and \f
    Character,       // character formatting
    Paragraph,       // paragraph formatting
    List,            // list tables, \ls, \listtext and the older \pn
    Table,           // row and cell definitions
    Break,           // \par \line \tab \cell \nestcell \row \nestrow \page
    Embedded,        // \pict \fldinst
    Page,            // document and section formatting, \sect, headers and footers
    Style,           // the style sheet, and the styles a paragraph or text names
};

// What the handler of a word's kind does with it.
enum class Action : unsigned char {
    None,
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, UnicodeSkip, Unicode,
    UnicodePair, UnicodeDestination, // \upr and \ud
    FontTable, ColorTable, Font, FontCharset, FontCodePage, Red, Green, Blue,
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Color,
    Hidden, AllCaps, SmallCaps, Kerning, Superscript, Subscript, NoSuperSub, RaiseBy, LowerBy,
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, AutoBefore, AutoAfter,
    LineSpacing, LineMultiple, TabCenter, TabRight, TabDecimal, TabStop, BarTab,
    PageBreakBefore, Keep, KeepNext, WidowControl, NoWidowControl, ContextualSpace, InTable, TableDepth, ListLevelNumber, ParagraphBorder, BorderSpace,
    ListOverride, ListText, ListTable, ListOverrideTable, ListDefinition, ListLevelDefinition, ListId,
    LevelNumberFormat, LevelStart, OldList, OldListLevel, OldListBullet, OldListBody,
    OldListStyle, OldListStart,
    RowDefaults, CellRight, RowGap, RowLeft, RowHeight, RowPadding, CellPadding, CellBorder,
    MergeFirst, MergeNext, VerticalMergeFirst, VerticalMergeNext, NestedTableProps, CellAlign,
    Par, Line, Tab, Cell, NestedCell, Row, NestedRow, Page,
    Picture, FieldInstruction,
    PictureKind, PictureWidth, PictureHeight, PictureGoalWidth, PictureGoalHeight,
    PictureScaleX, PictureScaleY,
    DocumentFormat, SectionFormat, SectionDefaults, Section, KeptGroup, // rtf_page_setup.h
    StyleSheet, ParagraphStyle, CharacterStyle, StyleBase,              // rtf_styles.cpp
};

struct ControlWordInfo
{
    std::string_view name;
    Kind kind = Kind::Ignored;
    Action action = Action::None;
    char16_t value = 0;     // a symbol's character, or which variant of its action a word is
    bool afterStar = false; // still honoured after \* (all other words skip the group)
    bool noParam = false;   // a kept page word written without a parameter (\landscape)
};

// Looks up a control word; returns the Ignored entry for words not in the table.
const ControlWordInfo &controlWord(std::string_view name);

// A border style word (\brdrs \brdrdb ...) is CellBorder with this value plus its index.
constexpr char16_t kBorderStyle = 0x100;
const char *borderStyleWord(int index);

// Every word in the table.
std::span<const ControlWordInfo> controlWords();

// The kept document (DocumentFormat) or section (SectionFormat) words, in the order they
// are written back.
const std::vector<const ControlWordInfo *> &keptWords(Action action);

} // namespace Rtf
