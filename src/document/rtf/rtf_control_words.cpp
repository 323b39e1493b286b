#include "document/rtf/rtf_control_words.h"

#include <array>
#include <cstdint>

namespace Rtf {

namespace {

using A = Action;
using K = Kind;
using W = ControlWordInfo;

constexpr W skip(std::string_view name) { return {name, K::Skipped}; }
constexpr W symbol(std::string_view name, char16_t c) { return {name, K::Symbol, A::None, c}; }
constexpr W font(std::string_view name, A a) { return {name, K::FontTable, a}; }
constexpr W chr(std::string_view name, A a) { return {name, K::Character, a}; }
constexpr W para(std::string_view name, A a) { return {name, K::Paragraph, a}; }
constexpr W list(std::string_view name, A a, char16_t v = 0) { return {name, K::List, a, v}; }
constexpr W row(std::string_view name, A a, char16_t v = 0) { return {name, K::Table, a, v}; }
constexpr W brk(std::string_view name, A a) { return {name, K::Break, a}; }
constexpr W pict(std::string_view name, A a, char16_t v = 0) { return {name, K::Ignored, a, v}; }
constexpr W doc(std::string_view name, bool param = true) { return {name, K::Page, A::DocumentFormat, 0, false, !param}; }
constexpr W sxn(std::string_view name, bool param = true) { return {name, K::Page, A::SectionFormat, 0, false, !param}; }
constexpr W kept(std::string_view name) { return {name, K::Page, A::KeptGroup}; }
constexpr W starred(W w) { return w.afterStar = true, w; }

constexpr std::string_view kBorderStyles[] = {
    "brdrs", "brdrth", "brdrsh", "brdrdb", "brdrdot", "brdrdash", "brdrhair", "brdrinset", "brdroutset",
    "brdrtriple", "brdrwavy", "brdrdashsm", "brdrdashd", "brdrdashdd", "brdrtnthsg", "brdrthtnsg",
    "brdrtnthtnsg", "brdrtnthmg", "brdrthtnmg", "brdrtnthtnmg", "brdrtnthlg", "brdrthtnlg", "brdrtnthtnlg",
    "brdrwavydb", "brdrdashdotstr", "brdremboss", "brdrengrave", "brdrframe"};
constexpr W style(int i) { return row(kBorderStyles[i], A::CellBorder, char16_t(kBorderStyle + i)); }
static_assert(std::size(kBorderStyles) == 28);

// Every control word the reader knows. A cell border's side (top, left, bottom, right) is
// 0x10 + side, the row's 0; a border's style is kBorderStyle + its index, its width 3, no border 1.
constexpr W kWords[] = {
    {"rtf", K::Document, A::Rtf}, {"ansi", K::Document, A::Ansi}, {"mac", K::Document, A::Mac},
    {"pc", K::Document, A::Pc}, {"pca", K::Document, A::Pca}, {"ansicpg", K::Document, A::AnsiCodePage},
    {"deff", K::Document, A::DefaultFont}, {"uc", K::Document, A::UnicodeSkip},
    {"u", K::Document, A::Unicode}, {"upr", K::Document, A::UnicodePair},
    starred({"ud", K::Document, A::UnicodeDestination}),

    font("fonttbl", A::FontTable), font("colortbl", A::ColorTable), font("f", A::Font),
    font("fcharset", A::FontCharset), font("cpg", A::FontCodePage), font("red", A::Red),
    font("green", A::Green), font("blue", A::Blue),

    chr("plain", A::Plain), chr("b", A::Bold), chr("i", A::Italic), chr("ulnone", A::UnderlineNone),
    chr("strike", A::Strike), chr("striked", A::Strike), chr("v", A::Hidden), chr("caps", A::AllCaps),
    chr("scaps", A::SmallCaps), chr("kerning", A::Kerning), chr("super", A::Superscript),
    chr("sub", A::Subscript), chr("nosupersub", A::NoSuperSub), chr("up", A::RaiseBy),
    chr("dn", A::LowerBy), chr("fs", A::FontSize), chr("cf", A::Color),
    chr("ul", A::Underline), chr("uld", A::Underline), chr("uldash", A::Underline),
    chr("uldashd", A::Underline), chr("uldashdd", A::Underline), chr("uldb", A::Underline),
    chr("ulhair", A::Underline), chr("ulhwave", A::Underline), chr("ulldash", A::Underline),
    chr("ulth", A::Underline), chr("ulthd", A::Underline), chr("ulthdash", A::Underline),
    chr("ulthdashd", A::Underline), chr("ulthdashdd", A::Underline), chr("ulthldash", A::Underline),
    chr("ululdbwave", A::Underline), chr("ulw", A::Underline), chr("ulwave", A::Underline),

    para("pard", A::Pard), para("ql", A::AlignLeft), para("qc", A::AlignCenter),
    para("qr", A::AlignRight), para("qj", A::AlignJustify), para("qd", A::AlignJustify),
    para("li", A::LeftIndent), para("lin", A::LeftIndent), para("ri", A::RightIndent),
    para("rin", A::RightIndent), para("fi", A::FirstIndent), para("sb", A::SpaceBefore),
    para("sa", A::SpaceAfter), para("sbauto", A::AutoBefore), para("saauto", A::AutoAfter),
    para("sl", A::LineSpacing), para("slmult", A::LineMultiple), para("tqc", A::TabCenter),
    para("tqr", A::TabRight), para("tqdec", A::TabDecimal), para("tx", A::TabStop),
    para("tb", A::BarTab), para("pagebb", A::PageBreakBefore), para("keep", A::Keep),
    para("brdrt", A::ParagraphBorder), para("brdrb", A::ParagraphBorder), para("brdrl", A::ParagraphBorder),
    para("brdrr", A::ParagraphBorder), para("box", A::ParagraphBorder), para("brsp", A::BorderSpace),
    para("keepn", A::KeepNext), para("widctlpar", A::WidowControl), para("nowidctlpar", A::NoWidowControl), para("intbl", A::InTable), para("itap", A::TableDepth),
    para("ilvl", A::ListLevelNumber), para("contextualspace", A::ContextualSpace),

    // \ls is a paragraph's list, or in the override table the override being defined
    list("ls", A::ListOverride), list("listtext", A::ListText), list("pntext", A::ListText),
    starred(list("listtable", A::ListTable)), starred(list("listoverridetable", A::ListOverrideTable)),
    list("list", A::ListDefinition), list("listoverride", A::ListDefinition),
    list("listlevel", A::ListLevelDefinition), list("listid", A::ListId),
    list("levelnfc", A::LevelNumberFormat), list("levelnfcn", A::LevelNumberFormat),
    list("levelstartat", A::LevelStart), starred(list("pn", A::OldList)),
    list("pnlvl", A::OldListLevel), list("pnlvlblt", A::OldListBullet),
    list("pnlvlbody", A::OldListBody), list("pnlvlcont", A::OldListBody, 1),
    list("pndec", A::OldListStyle, 0), list("pnucrm", A::OldListStyle, 1),
    list("pnlcrm", A::OldListStyle, 2), list("pnucltr", A::OldListStyle, 3),
    list("pnlcltr", A::OldListStyle, 4), list("pnord", A::OldListStyle, 0),
    list("pncard", A::OldListStyle, 0), list("pnstart", A::OldListStart),

    row("trowd", A::RowDefaults), row("cellx", A::CellRight), row("trgaph", A::RowGap),
    row("trleft", A::RowLeft), row("trrh", A::RowHeight), row("trpaddl", A::RowPadding), row("trpaddr", A::RowPadding),
    row("trpaddt", A::RowPadding), row("trpaddb", A::RowPadding), row("clpadl", A::CellPadding),
    row("clpadr", A::CellPadding), row("clpadt", A::CellPadding), row("clpadb", A::CellPadding),
    row("clvertalt", A::CellAlign, 0), row("clvertalc", A::CellAlign, 1), row("clvertalb", A::CellAlign, 2),
    row("clbrdrt", A::CellBorder, 0x10), row("clbrdrl", A::CellBorder, 0x11),
    row("clbrdrb", A::CellBorder, 0x12), row("clbrdrr", A::CellBorder, 0x13),
    row("trbrdrt", A::CellBorder), row("trbrdrb", A::CellBorder), row("trbrdrl", A::CellBorder),
    row("trbrdrr", A::CellBorder), row("trbrdrh", A::CellBorder), row("trbrdrv", A::CellBorder),
    row("brdrnone", A::CellBorder, 1), row("brdrw", A::CellBorder, 3),
    style(0), style(1), style(2), style(3), style(4), style(5), style(6), style(7), style(8), style(9),
    style(10), style(11), style(12), style(13), style(14), style(15), style(16), style(17), style(18),
    style(19), style(20), style(21), style(22), style(23), style(24), style(25), style(26), style(27),
    row("clmgf", A::MergeFirst), row("clmrg", A::MergeNext), row("clvmgf", A::VerticalMergeFirst),
    row("clvmrg", A::VerticalMergeNext), starred(row("nesttableprops", A::NestedTableProps)),

    brk("par", A::Par), brk("line", A::Line), brk("tab", A::Tab), brk("cell", A::Cell),
    brk("nestcell", A::NestedCell), brk("row", A::Row), brk("nestrow", A::NestedRow), brk("page", A::Page),

    {"pict", K::Embedded, A::Picture}, starred({"fldinst", K::Embedded, A::FieldInstruction}),
    starred({"shppict", K::Ignored}), // its \pict is read
    pict("pngblip", A::PictureKind, 1), pict("jpegblip", A::PictureKind, 2),
    pict("picw", A::PictureWidth), pict("pich", A::PictureHeight), pict("picwgoal", A::PictureGoalWidth),
    pict("pichgoal", A::PictureGoalHeight), pict("picscalex", A::PictureScaleX),
    pict("picscaley", A::PictureScaleY),

    symbol("bullet", 0x2022), symbol("emdash", 0x2014), symbol("endash", 0x2013),
    symbol("emspace", 0x2003), symbol("enspace", 0x2002), symbol("qmspace", 0x2005),
    symbol("lquote", 0x2018), symbol("rquote", 0x2019), symbol("ldblquote", 0x201C),
    symbol("rdblquote", 0x201D), symbol("zwj", 0x200D), symbol("zwnj", 0x200C),
    symbol("ltrmark", 0x200E), symbol("rtlmark", 0x200F), symbol("zwbo", 0x200B),
    symbol("zwnbo", 0x2060),

    // kept and written back in this order
    doc("paperw"), doc("paperh"), doc("margl"), doc("margr"), doc("margt"), doc("margb"),
    doc("gutter"), doc("landscape", false), doc("facingp", false), doc("margmirror", false),
    doc("deftab"), doc("widowctrl", false), doc("deflang"), doc("deflangfe"), doc("hyphauto"),
    doc("hyphhotz"),
    sxn("sbknone", false), sxn("sbkcol", false), sxn("sbkpage", false), sxn("sbkeven", false),
    sxn("sbkodd", false), sxn("pgwsxn"), sxn("pghsxn"), sxn("marglsxn"), sxn("margrsxn"),
    sxn("margtsxn"), sxn("margbsxn"), sxn("guttersxn"), sxn("lndscpsxn", false), sxn("headery"),
    sxn("footery"), sxn("titlepg", false), sxn("cols"), sxn("colsx"), sxn("linebetcol", false),
    sxn("pgnstarts"), sxn("pgnrestart", false), sxn("pgncont", false), sxn("vertalt", false),
    sxn("vertalc", false),
    {"stylesheet", K::Style, A::StyleSheet}, {"s", K::Style, A::ParagraphStyle},
    starred({"cs", K::Style, A::CharacterStyle}), {"sbasedon", K::Style, A::StyleBase},
    {"sect", K::Page, A::Section}, {"sectd", K::Page, A::SectionDefaults},
    kept("header"), kept("footer"), kept("headerl"), kept("headerr"), kept("headerf"),
    kept("footerl"), kept("footerr"), kept("footerf"),

    // destinations whose content is not part of the document's visible text: tables of
    // styles and revisions, document information, objects, shapes, footnotes, form fields
    skip("aftncn"), skip("aftnsep"), skip("aftnsepc"), skip("annotation"), skip("atnauthor"),
    skip("atndate"), skip("atnicn"), skip("atnid"), skip("atnparent"), skip("atnref"),
    skip("atntime"), skip("atrfend"), skip("atrfstart"), skip("author"), skip("background"),
    skip("bkmkend"), skip("bkmkstart"), skip("blipuid"), skip("buptim"), skip("category"),
    skip("colorschememapping"), skip("comment"), skip("company"), skip("creatim"),
    skip("datafield"), skip("datastore"), skip("defchp"), skip("defpap"), skip("do"),
    skip("doccomm"), skip("docvar"), skip("dptxbxtext"), skip("ebcend"), skip("ebcstart"),
    skip("factoidname"), skip("falt"), skip("fchars"), skip("ffdeftext"), skip("ffentrymcr"),
    skip("ffexitmcr"), skip("ffformat"), skip("ffhelptext"), skip("ffl"), skip("ffname"),
    skip("ffstattext"), skip("file"), skip("filetbl"), skip("fontemb"), skip("fontfile"),
    skip("footnote"), skip("formfield"), skip("ftncn"), skip("ftnsep"), skip("ftnsepc"),
    skip("generator"), skip("gridtbl"), skip("hl"), skip("hlfr"), skip("hlinkbase"),
    skip("hlloc"), skip("hlsrc"), skip("hsv"), skip("info"), skip("keywords"),
    skip("latentstyles"), skip("lchars"), skip("levelnumbers"), skip("leveltext"),
    skip("lfolevel"), skip("linkval"), skip("listname"), skip("listpicture"),
    skip("liststylename"), skip("lsdlockedexcept"), skip("mailmerge"), skip("manager"),
    skip("mmathPr"), skip("nonesttables"), skip("nonshppict"), skip("objalias"),
    skip("objclass"), skip("objdata"), skip("object"), skip("objname"), skip("objsect"),
    skip("objtime"), skip("oldcprops"), skip("oldpprops"), skip("oldsprops"), skip("oldtprops"),
    skip("operator"), skip("panose"), skip("password"), skip("passwordhash"), skip("pgdsc"),
    skip("pgdsctbl"), skip("pgp"), skip("pgptbl"), skip("picprop"), skip("pnseclvl"),
    skip("pntxta"), skip("pntxtb"), skip("printim"), skip("private"), skip("propname"),
    skip("protend"), skip("protstart"), skip("protusertbl"), skip("pxe"), skip("result"),
    skip("revtbl"), skip("revtim"), skip("rsidtbl"), skip("rxe"), skip("shp"), skip("shpgrp"),
    skip("shpinst"), skip("shprslt"), skip("shptxt"), skip("sn"), skip("sp"), skip("staticval"),
    skip("subject"), skip("sv"), skip("svb"), skip("tc"), skip("template"),
    skip("themedata"), skip("title"), skip("txe"), skip("userprops"), skip("wgrffmtfilter"),
    skip("windowcaption"), skip("writereservation"), skip("writereservhash"), skip("xe"),
    skip("xform"), skip("xmlattrname"), skip("xmlattrvalue"), skip("xmlclose"), skip("xmlname"),
    skip("xmlnstbl"), skip("xmlopen"),
};

uint32_t hashName(std::string_view name)
{
    uint32_t h = 2166136261u; // FNV-1a
    for (const char c : name)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

// Open addressing over a power-of-two table at most a quarter full: a word costs one
// hash and usually one comparison, which matters since files hold millions of words.
class WordTable
{
public:
    WordTable()
    {
        m_slots.fill(kEmpty);
        for (size_t i = 0; i < std::size(kWords); ++i) {
            size_t slot = hashName(kWords[i].name) & kMask;
            while (m_slots[slot] != kEmpty)
                slot = (slot + 1) & kMask;
            m_slots[slot] = uint16_t(i);
        }
    }

    const W &find(std::string_view name) const
    {
        for (size_t slot = hashName(name) & kMask; m_slots[slot] != kEmpty; slot = (slot + 1) & kMask) {
            if (kWords[m_slots[slot]].name == name)
                return kWords[m_slots[slot]];
        }
        return m_unknown;
    }

private:
    static constexpr size_t kSize = 2048;
    static constexpr size_t kMask = kSize - 1;
    static constexpr uint16_t kEmpty = 0xFFFF;
    static_assert(std::size(kWords) * 4 <= kSize);
    std::array<uint16_t, kSize> m_slots;
    W m_unknown;
};

std::vector<const W *> wordsOf(Action action)
{
    std::vector<const W *> words;
    for (const W &w : kWords) {
        if (w.action == action)
            words.push_back(&w);
    }
    return words;
}

} // namespace

const ControlWordInfo &controlWord(std::string_view name)
{
    static const WordTable table;
    return table.find(name);
}

const char *borderStyleWord(int index)
{
    return (index >= 0 && index < int(std::size(kBorderStyles)) ? kBorderStyles[index] : kBorderStyles[0]).data();
}

std::span<const ControlWordInfo> controlWords()
{
    return kWords;
}

const std::vector<const ControlWordInfo *> &keptWords(Action action)
{
    static const std::vector<const W *> document = wordsOf(Action::DocumentFormat);
    static const std::vector<const W *> section = wordsOf(Action::SectionFormat);
    return action == Action::DocumentFormat ? document : section;
}

} // namespace Rtf
