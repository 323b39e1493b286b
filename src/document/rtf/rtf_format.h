#pragma once

#include <QColor>
#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextLength>

#include <unordered_map>

class QTextBlockFormat;
class QTextCharFormat;
class QTextTableCell;

namespace Rtf {

// Character formatting as RTF states it; resolved against the font and colour
// tables only when a run is inserted.
struct CharProps
{
    enum Flag : unsigned short { Bold = 1, Italic = 2, Underline = 4, Strike = 8, Hidden = 16, AllCaps = 32,
                                  SmallCaps = 64, Super = 128, Sub = 256 };
    static constexpr int kDefaultHalfPoints = 24;

    int font = -1; // RTF font number; -1 is the default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // colour table index; 0 is "auto"
    int link = -1; // index in DocumentTables::links
    int kerning = -1; // \kerning: the smallest half-point size kerned, 0 none, -1 not said
    int raise = 0;    // \up (> 0) and \dn (< 0) in half-points
    unsigned short flags = 0;

    bool has(Flag f) const { return flags & f; }
    void set(Flag f, bool on) { flags = on ? (flags | f) : (flags & ~f); }
    friend bool operator==(const CharProps &, const CharProps &) = default;
};

inline size_t qHash(const CharProps &p, size_t seed = 0)
{
    return qHashMulti(seed, p.font, p.halfPoints, p.color, p.link, p.flags, p.kerning, p.raise);
}

struct TabStop
{
    enum Kind : unsigned char { Left, Center, Right, Decimal };
    int twips = 0;
    Kind kind = Left;
    friend bool operator==(const TabStop &, const TabStop &) = default;
};

// Paragraph formatting as RTF states it; lengths in twips.
struct ParaProps
{
    enum Align : unsigned char { Left, Center, Right, Justify };
    Align align = Left;
    int left = 0, right = 0, firstLine = 0;
    int before = 0, after = 0;
    int lineSpacing = 0; // \sl: > 0 at least, < 0 exactly, or a multiple of 240 with lineMultiple
    bool lineMultiple = false;
    bool pageBreakBefore = false, keepTogether = false, keepWithNext = false;
    unsigned char widowControl = 0; // 1 \widctlpar, 2 \nowidctlpar; 0 as the document says
    TabStop::Kind nextTabKind = TabStop::Left; // for the next \tx
    QList<TabStop> tabs; // shared, so copying a group's state stays cheap
    int list = 0;  // \ls, or < 0 for an older \pn list; 0: not in a list
    int level = 0; // \ilvl
    int tableDepth = 0; // 0 outside tables; \intbl makes 1, \itap sets it
    int style = 0;                // \s
    bool contextualSpace = false; // \contextualspace: no space next to a paragraph of the same style
    QByteArray borders;      // \brdrb \brdrs \brdrw20 \brsp80 ... as read (without colours), written back
    bool borderOpen = false; // the words after a border side are its style, width and space
    friend bool operator==(const ParaProps &, const ParaProps &) = default;
};

// A list level: its number style (QTextListFormat::Style) and first number.
struct ListLevel
{
    int style = -1; // QTextListFormat::ListDisc
    int start = 1;
    int left = 0, first = 0; // \li and \fi of the level in twips
    friend bool operator==(const ListLevel &, const ListLevel &) = default;
};

// The indents a list level is written with when its file gave none, in twips.
constexpr int kListFirstIndent = -360;
constexpr int listLeftIndent(int level)
{
    return 720 * (level + 1);
}

// Properties this codec keeps on Qt formats where Qt has no property of its own.
enum ExtraProperty {
    KeepWithNextProperty = 0x100000 + 0x5254, // QTextFormat::UserProperty + n
    ListStartProperty,
    PictureSourceProperty,
    PageSetupProperty,    // on the root frame: PageSetup
    TableLeftProperty,    // on a table: \trleft in twips
    SectionBreakProperty, // on a section's first block: its break word, or ""
    HiddenProperty,       // hidden text (\v), which Qt shows; written back hidden
    KerningProperty,      // \kerning as the file said it
    CellBordersProperty,  // on a cell: its sides are the file's own
    RaiseProperty,        // \up and \dn in half-points, up positive
    // The family again, as text: Qt's format collection hashes a family list by its type
    // alone, so that documents with thousands of fonts would compare every format with every other.
    FamilyKeyProperty,
    ParagraphBordersProperty, // on a block: its border words (ParaProps::borders)
    RowHeightProperty, // on the first cell a row starts: the row's \trrh in twips
    ListLeftProperty,  // on a list: its level's \li in twips, when the file gave one
    ListFirstProperty, // on a list: its level's \fi in twips
    CellAlignProperty, // on a cell: 1 its text in the middle (\clvertalc), 2 at the bottom (\clvertalb)
    CellBorderStylesProperty, // on a cell: its sides' border styles (borderStyleWord), a byte each from the top
    WidowControlProperty, // on a block: ParaProps::widowControl
};

// Properties of a table cell, which Qt keeps in the character format of its first block.
bool isCellProperty(int key);

// Twips per document pixel: Qt lays documents out at 96 pixels per inch.
constexpr double kTwipsPerPixel = 15.0;
// Cell edges of different rows this close (in twips) are one column edge to the reader.
constexpr int kEdgeSlack = 20;

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
    QStringList links;    // hyperlink targets of fields
    int defaultFont = 0;
    // \listtable by \listid, \listoverridetable \ls to \listid, older \pn lists by -list
    std::unordered_map<int, QList<ListLevel>> lists;
    std::unordered_map<int, int> listOverrides;
    QList<ListLevel> oldLists;

    // The level of a paragraph's list, or nothing when the list is not defined.
    const ListLevel *listLevel(const ParaProps &props) const;

    const FontEntry *font(int number) const;
    // The font text in font number is shown in, and read in the code page of.
    const FontEntry *shownFont(int number) const;
    QTextCharFormat charFormat(const CharProps &props) const;
    static QTextBlockFormat blockFormat(const ParaProps &props);
};

// The depth of the table a paragraph is in, 0 outside tables.
int tableDepth(const ParaProps &props);

// Right edges in twips of columns as a writer gives them: fixed widths as they are,
// others shares of the usual text width.
QList<int> columnEdges(const QList<QTextLength> &widths, int columns);
// Edges narrowed in proportion so that the last is at most room twips from the first's left.
QList<int> fitEdges(QList<int> edges, int room);
// The width in twips of a table's cell, from its table's edges.
int cellWidth(const QTextTableCell &cell, const QList<int> &edges);

struct Token;
// Adds a paragraph border word (a side, its style, width or space) to props.
void addBorderWord(ParaProps &props, const Token &t);

// Indents, spacing, line height, tab stops, breaks and keeps of props on f.
void setParagraphSpacing(QTextBlockFormat &f, const ParaProps &props);

} // namespace Rtf
