#include "document/rtf/rtf_control_words.h"

#include "document/rtf/rtf_page_setup.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Rtf {

namespace {

using A = Action;

// Destinations whose content is not part of the document's visible text: tables of
// styles, lists and revisions, document information, pictures, objects, shapes,
// footnotes, field instructions and form-field data.
constexpr std::string_view kSkipped[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnicn",
    "atnid", "atnparent", "atnref", "atntime", "atrfend", "atrfstart", "author",
    "background", "bkmkend", "bkmkstart", "blipuid", "buptim", "category",
    "colorschememapping", "comment", "company", "creatim", "datafield", "datastore",
    "defchp", "defpap", "do", "doccomm", "docvar", "dptxbxtext", "ebcend", "ebcstart",
    "factoidname", "falt", "fchars", "ffdeftext", "ffentrymcr", "ffexitmcr", "ffformat",
    "ffhelptext", "ffl", "ffname", "ffstattext", "file", "filetbl", "fontemb", "fontfile", "footnote",
    "formfield", "ftncn", "ftnsep", "ftnsepc", "generator", "gridtbl",
    "hl", "hlfr", "hlinkbase", "hlloc", "hlsrc", "hsv", "info", "keywords", "latentstyles", "lchars", "levelnumbers", "leveltext",
    "lfolevel", "linkval", "listname", "listpicture", "liststylename",     "lsdlockedexcept", "mailmerge", "manager", "mmathPr",
    "nonesttables", "nonshppict", "objalias", "objclass", "objdata", "object",
    "objname", "objsect", "objtime", "oldcprops", "oldpprops", "oldsprops",
    "oldtprops", "operator", "panose", "password", "passwordhash", "pgdsc",
    "pgdsctbl", "pgp", "pgptbl", "picprop", "pnseclvl", "pntxta",
    "pntxtb", "printim", "private", "propname", "protend", "protstart", "protusertbl",
    "pxe", "result", "revtbl", "revtim", "rsidtbl", "rxe", "shp", "shpgrp", "shpinst",
    "shprslt", "shptxt", "sn", "sp", "staticval", "stylesheet", "subject",
    "sv", "svb", "tc", "template", "themedata", "title", "txe", "userprops",
    "wgrffmtfilter", "windowcaption", "writereservation", "writereservhash", "xe",
    "xform", "xmlattrname", "xmlattrvalue", "xmlclose", "xmlname", "xmlnstbl",
    "xmlopen"};

constexpr std::string_view kUnderlines[] = {
    "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhair", "ulhwave",
    "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
    "ululdbwave", "ulw", "ulwave"};

constexpr std::string_view kBorderStyles[] = {
    "brdrs", "brdrth", "brdrsh", "brdrdb", "brdrdot", "brdrdash", "brdrhair", "brdrinset",
    "brdroutset", "brdrtriple", "brdrwavy", "brdrdashsm", "brdrdashd", "brdrdashdd",
    "brdrtnthsg", "brdrthtnsg", "brdrtnthtnsg", "brdrtnthmg", "brdrthtnmg", "brdremboss",
    "brdrengrave", "brdrframe"};

const std::vector<ControlWordInfo> kWords = {
    {"rtf", A::Rtf}, {"ansi", A::Ansi}, {"mac", A::Mac}, {"pc", A::Pc}, {"pca", A::Pca},
    {"ansicpg", A::AnsiCodePage}, {"deff", A::DefaultFont}, {"uc", A::UnicodeSkip},
    {"u", A::Unicode}, {"upr", A::UnicodePair}, {"ud", A::UnicodeDestination, 0, true},
    {"fonttbl", A::FontTable}, {"colortbl", A::ColorTable}, {"f", A::Font},
    {"fcharset", A::FontCharset}, {"cpg", A::FontCodePage}, {"red", A::Red},
    {"green", A::Green}, {"blue", A::Blue},
    {"plain", A::Plain}, {"pard", A::Pard}, {"par", A::Par}, {"sect", A::Section}, {"sectd", A::SectionDefaults},
    {"line", A::Line}, {"tab", A::Tab},
    {"b", A::Bold}, {"i", A::Italic}, {"ulnone", A::UnderlineNone}, {"strike", A::Strike}, {"v", A::Hidden}, {"caps", A::AllCaps}, {"scaps", A::SmallCaps}, {"kerning", A::Kerning},
    {"super", A::Superscript}, {"sub", A::Subscript}, {"nosupersub", A::NoSuperSub},
    {"up", A::RaiseBy}, {"dn", A::LowerBy},
    {"striked", A::Strike}, {"fs", A::FontSize}, {"cf", A::Color},
    {"ql", A::AlignLeft}, {"qc", A::AlignCenter}, {"qr", A::AlignRight},
    {"qj", A::AlignJustify}, {"qd", A::AlignJustify},
    {"cell", A::Cell}, {"row", A::Row}, {"page", A::Page},
    {"li", A::LeftIndent}, {"lin", A::LeftIndent}, {"ri", A::RightIndent},
    {"rin", A::RightIndent}, {"fi", A::FirstIndent}, {"sb", A::SpaceBefore},
    {"sa", A::SpaceAfter}, {"sbauto", A::AutoBefore}, {"saauto", A::AutoAfter},
    {"sl", A::LineSpacing}, {"slmult", A::LineMultiple}, {"tqc", A::TabCenter},
    {"tqr", A::TabRight}, {"tqdec", A::TabDecimal}, {"tx", A::TabStop}, {"tb", A::BarTab},
    {"pagebb", A::PageBreakBefore}, {"keep", A::Keep}, {"keepn", A::KeepNext},
    {"intbl", A::InTable}, {"itap", A::TableDepth},
    {"ls", A::ListOverride}, {"ilvl", A::ListLevelNumber},
    {"listtext", A::ListText}, {"pntext", A::ListText},
    {"listtable", A::ListTable, 0, true}, {"listoverridetable", A::ListOverrideTable, 0, true},
    {"list", A::ListDefinition}, {"listoverride", A::ListDefinition},
    {"listlevel", A::ListLevelDefinition}, {"listid", A::ListId},
    {"levelnfc", A::LevelNumberFormat}, {"levelnfcn", A::LevelNumberFormat},
    {"levelstartat", A::LevelStart},
    {"pn", A::OldList, 0, true}, {"pnlvl", A::OldListLevel}, {"pnlvlblt", A::OldListBullet},
    {"pnlvlbody", A::OldListBody}, {"pnlvlcont", A::OldListBody},
    {"pndec", A::OldListStyle, 0}, {"pnucrm", A::OldListStyle, 1}, {"pnlcrm", A::OldListStyle, 2},
    {"pnucltr", A::OldListStyle, 3}, {"pnlcltr", A::OldListStyle, 4},
    {"pnord", A::OldListStyle, 0}, {"pncard", A::OldListStyle, 0}, {"pnstart", A::OldListStart},
    // tables; a nested row's properties end with \nestrow, so their group is read
    {"trowd", A::RowDefaults}, {"cellx", A::CellRight}, {"trgaph", A::RowGap},
    {"trleft", A::RowLeft}, {"trpaddl", A::RowPadding}, {"trpaddr", A::RowPadding},
    {"trpaddt", A::RowPadding}, {"trpaddb", A::RowPadding}, {"clpadl", A::CellPadding},
    {"clpadr", A::CellPadding}, {"clpadt", A::CellPadding}, {"clpadb", A::CellPadding},
    // a cell's sides (top, left, bottom, right) are 0x10 + side, the row's 0
    {"clbrdrt", A::CellBorder, 0x10}, {"clbrdrl", A::CellBorder, 0x11}, {"clbrdrb", A::CellBorder, 0x12},
    {"clbrdrr", A::CellBorder, 0x13}, {"brdrw", A::CellBorder, 3}, {"trbrdrt", A::CellBorder}, {"trbrdrb", A::CellBorder},
    {"trbrdrl", A::CellBorder}, {"trbrdrr", A::CellBorder}, {"trbrdrh", A::CellBorder},
    {"trbrdrv", A::CellBorder}, {"brdrnone", A::CellBorder, 1},
    {"clmgf", A::MergeFirst}, {"clmrg", A::MergeNext}, {"clvmgf", A::VerticalMergeFirst},
    {"clvmrg", A::VerticalMergeNext}, {"nesttableprops", A::NestedTableProps, 0, true},
    {"nestcell", A::NestedCell}, {"nestrow", A::Par},
    // pictures and fields
    {"pict", A::Picture}, {"shppict", A::Unknown, 0, true},
    {"pngblip", A::PictureKind, 1}, {"jpegblip", A::PictureKind, 2},
    {"picw", A::PictureWidth}, {"pich", A::PictureHeight}, {"picwgoal", A::PictureGoalWidth},
    {"pichgoal", A::PictureGoalHeight}, {"picscalex", A::PictureScaleX},
    {"picscaley", A::PictureScaleY}, {"fldinst", A::FieldInstruction, 0, true},
    {"bullet", A::Character, 0x2022}, {"emdash", A::Character, 0x2014},
    {"endash", A::Character, 0x2013}, {"emspace", A::Character, 0x2003},
    {"enspace", A::Character, 0x2002}, {"qmspace", A::Character, 0x2005},
    {"lquote", A::Character, 0x2018}, {"rquote", A::Character, 0x2019},
    {"ldblquote", A::Character, 0x201C}, {"rdblquote", A::Character, 0x201D},
    {"zwj", A::Character, 0x200D}, {"zwnj", A::Character, 0x200C},
    {"ltrmark", A::Character, 0x200E}, {"rtlmark", A::Character, 0x200F},
    {"zwbo", A::Character, 0x200B}, {"zwnbo", A::Character, 0x2060},
};

std::vector<ControlWordInfo> allWords()
{
    std::vector<ControlWordInfo> words = kWords;
    for (std::string_view name : kSkipped)
        words.push_back({name, A::SkipDestination});
    for (std::string_view name : kUnderlines)
        words.push_back({name, A::Underline});
    for (std::string_view name : kBorderStyles)
        words.push_back({name, A::CellBorder, 2});
    for (const KeptWord &w : kDocumentWords)
        words.push_back({w.name, A::DocumentFormat});
    for (const KeptWord &w : kSectionWords)
        words.push_back({w.name, A::SectionFormat});
    for (std::string_view name : kKeptGroups)
        words.push_back({name, A::KeptGroup});
    return words;
}

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
    WordTable() : m_words(allWords())
    {
        for (size_t i = 0; i < m_words.size(); ++i) {
            size_t slot = hashName(m_words[i].name) & kMask;
            while (m_slots[slot] != kEmpty)
                slot = (slot + 1) & kMask;
            m_slots[slot] = uint16_t(i);
        }
    }

    const ControlWordInfo &find(std::string_view name) const
    {
        for (size_t slot = hashName(name) & kMask; m_slots[slot] != kEmpty; slot = (slot + 1) & kMask) {
            if (m_words[m_slots[slot]].name == name)
                return m_words[m_slots[slot]];
        }
        return m_unknown;
    }

private:
    static constexpr size_t kSize = 2048;
    static constexpr size_t kMask = kSize - 1;
    static constexpr uint16_t kEmpty = 0xFFFF;
    std::vector<ControlWordInfo> m_words;
    std::array<uint16_t, kSize> m_slots = filled();
    ControlWordInfo m_unknown{{}, A::Unknown};

    static std::array<uint16_t, kSize> filled()
    {
        std::array<uint16_t, kSize> a;
        a.fill(kEmpty);
        return a;
    }
};

} // namespace

const ControlWordInfo &controlWord(std::string_view name)
{
    static const WordTable table;
    return table.find(name);
}

} // namespace Rtf
