#include "document/rtf/rtf_parser.h"

#include "document/reading/document_limits.h"
#include "document/reading/work_progress.h"

#include <QTextDocument>

#include <algorithm>

namespace Rtf {

namespace {

using RtfLimits::kMaxHalfPoints;

} // namespace

Parser::Parser(QByteArrayView input, QTextDocument &doc)
    : m_tok(input)
    , m_builder(doc, m_tables, m_rowDefs)
    , m_inputSize(input.size())
    , m_doc(doc)
{
    m_groups.reserve(64);
    m_builder.setRowsAhead([this](int limit, QList<QList<int>> *edges) { return rowsAhead(limit, edges); });
    m_builder.setNestedRowsAhead([this] { return nestedRowsAhead(); });
}

void Parser::run()
{
    if (m_tok.next().type != TokenType::GroupOpen)
        return finish();
    m_groups.emplace_back();
    for (;;) {
        if (!goOn())
            return finish();
        const Token t = m_tok.next();
        if (t.type != TokenType::Text && t.type != TokenType::HexByte)
            flushBytes();
        switch (t.type) {
        case TokenType::End:
            return finish();
        case TokenType::GroupOpen:
            groupOpen();
            break;
        case TokenType::GroupClose:
            if (!groupClose()) // the document's own group ended; what follows is not RTF
                return finish();
            break;
        case TokenType::Text:
            text(t.text);
            break;
        case TokenType::HexByte:
            if (!skipFallback())
                appendBytes(std::string_view(reinterpret_cast<const char *>(&t.byte), 1));
            break;
        case TokenType::ControlSymbol:
            symbol(t.symbol);
            break;
        case TokenType::ControlWord:
            word(t);
            break;
        case TokenType::Binary:
            skipFallback();
            break;
        }
    }
}

bool Parser::goOn()
{
    constexpr unsigned kTokensBetweenReports = 4096;
    if (++m_tokens % kTokensBetweenReports != 0)
        return true;
    m_tooLong = m_doc.blockCount() > kMaxParagraphs;
    m_cancelled = !m_tooLong && m_progress && !m_progress->advance(m_inputSize - m_tok.remaining(), m_inputSize);
    return !m_tooLong && !m_cancelled;
}

void Parser::finish()
{
    flushBytes();
    m_builder.finish(m_groups.empty() ? m_lastPara : top().para, m_tooLong || m_cancelled);
    finishPageSetup();
    showUnnamedRunsInDefaultFont();
}

void Parser::groupOpen()
{
    m_ucSkip = 0;
    m_star = false;
    if (m_groups.size() >= kMaxDepth) {
        m_tok.skipGroup();
        return;
    }
    Group copy = top();
    copy.onClose = Group::Nothing;
    m_groups.push_back(copy);
}

bool Parser::groupClose()
{
    m_ucSkip = 0;
    m_star = false;
    if (top().dest == Dest::FontTable && m_fontPending)
        commitFont();
    if (top().dest == Dest::ColorTable && m_colorSet)
        commitColor();
    const Group::OnClose what = top().onClose;
    if (what == Group::CommitLevel)
        m_level.left = top().para.left, m_level.first = top().para.firstLine;
    if (m_groups.size() == 1)
        m_lastPara = top().para; // the paragraph the document ends in, without \par
    m_groups.pop_back();
    if (m_groups.empty())
        return false;
    closeListGroup(what);
    return true;
}

void Parser::skipDestination()
{
    if (m_groups.size() <= 1)
        return; // never drop the rest of the document itself
    m_tok.skipGroup();
    m_groups.pop_back();
    m_ucSkip = 0;
    m_star = false;
}

bool Parser::skipFallback()
{
    if (m_ucSkip <= 0)
        return false;
    --m_ucSkip;
    return true;
}

void Parser::text(std::string_view bytes)
{
    if (m_ucSkip > 0) {
        const size_t n = std::min<size_t>(size_t(m_ucSkip), bytes.size());
        bytes.remove_prefix(n);
        m_ucSkip -= int(n);
    }
    if (bytes.empty())
        return;
    switch (top().dest) {
    case Dest::Text:
        appendBytes(bytes);
        break;
    case Dest::FontTable:
        fontNameText(bytes);
        break;
    case Dest::ColorTable:
        for (auto n = std::count(bytes.begin(), bytes.end(), ';'); n > 0; --n)
            commitColor();
        break;
    default:
        break;
    }
}

void Parser::appendBytes(std::string_view bytes)
{
    const Group &g = top();
    if (g.dest == Dest::Text || g.dest == Dest::FontTable)
        m_bytes.append(bytes);
}

void Parser::flushBytes()
{
    if (m_bytes.empty())
        return;
    m_decoded.resize(0);
    m_decoder.decode(codePage(), m_bytes, m_decoded);
    m_bytes.clear();
    if (top().dest == Dest::FontTable)
        m_fontName.append(m_decoded);
    else {
        noteUnknownFont(top().chr.font);
        m_builder.appendText(m_decoded, top().chr, top().para);
    }
}

int Parser::codePage()
{
    if (top().dest == Dest::FontTable) { // a font's name is never in the symbol set
        const int cp = fontEntryCodePage();
        return cp == 0 || cp == CodePage::Symbol || cp == CodePage::SymbolPrivate ? m_ansiCodePage : cp;
    }
    const FontEntry *font = m_tables.font(top().chr.font);
    return font && font->codePage > 0 ? font->codePage : m_ansiCodePage;
}

void Parser::symbol(char c)
{
    if (skipFallback())
        return;
    switch (c) {
    case '*': m_star = true; break;
    case '~': putChar(0x00A0); break;
    case '-': putChar(0x00AD); break;
    case '_': putChar(0x2011); break;
    case '\\':
    case '{':
    case '}': appendBytes(std::string_view(&c, 1)); break;
    case '\t': putChar(u'\t'); break;
    default: break; // \| \: and unknown symbols have no text
    }
}

void Parser::word(const Token &t)
{
    const ControlWordInfo &info = controlWord(t.text);
    if (m_star) {
        m_star = false;
        if (!info.afterStar)
            return skipDestination();
    }
    if (skipFallback())
        return;
    if (top().dest == Dest::StyleSheet && styleEntryWord(info, t))
        return;
    dispatch(info, t);
}

void Parser::dispatch(const ControlWordInfo &w, const Token &t)
{
    switch (w.kind) {
    case Kind::Ignored: return;
    case Kind::Skipped: return skipDestination();
    case Kind::Symbol: return putChar(w.value);
    case Kind::Document: return documentWord(w.action, t);
    case Kind::FontTable: return fontTableWord(w.action, t);
    case Kind::Character: return characterWord(w.action, t);
    case Kind::Paragraph: return paragraphWord(w.action, t);
    case Kind::List: return listWord(w, t);
    case Kind::Table: return rowWord(w, t);
    case Kind::Break: return breakWord(w.action);
    case Kind::Embedded: return embeddedWord(w.action);
    case Kind::Page: return pageWord(w, t);
    case Kind::Style: return styleWord(w.action, t);
    }
}

void Parser::documentWord(Action a, const Token &t)
{
    Group &g = top();
    switch (a) {
    case Action::Ansi: m_ansiCodePage = CodePage::Windows1252; break;
    case Action::Mac: m_ansiCodePage = CodePage::MacRoman; break;
    case Action::Pc: m_ansiCodePage = 437; break;
    case Action::Pca: m_ansiCodePage = 850; break;
    case Action::AnsiCodePage:
        if (t.hasParam && t.param > 0)
            m_ansiCodePage = t.param;
        break;
    case Action::DefaultFont:
        m_builder.tablesChanged();
        m_tables.defaultFont = t.param;
        m_defaultFontGiven = true;
        m_fontChecked = -2;
        break;
    case Action::UnicodeSkip: g.uc = std::max(t.param, 0); break;
    case Action::Unicode:
        if (t.hasParam)
            unicode(t.param);
        break;
    case Action::UnicodePair:
        g.outerDest = g.dest;
        g.dest = Dest::Suppressed;
        break;
    case Action::UnicodeDestination: g.dest = g.outerDest; break;
    default: break;
    }
}

// The font and colour tables and their entries; outside the font table \f is a run's font.
void Parser::fontTableWord(Action a, const Token &t)
{
    Group &g = top();
    const bool inFonts = g.dest == Dest::FontTable;
    switch (a) {
    case Action::FontTable:
        g.dest = Dest::FontTable;
        m_fontTableGiven = true;
        break;
    case Action::ColorTable:
        g.dest = Dest::ColorTable;
        m_colorSet = false;
        break;
    case Action::Font:
        if (inFonts)
            beginFont(t.param);
        else
            g.chr.font = t.param;
        break;
    case Action::FontCharset:
        if (inFonts)
            m_fontCharset = t.param;
        break;
    case Action::FontCodePage:
        if (inFonts)
            m_fontCodePage = t.param;
        break;
    case Action::Red:
    case Action::Green:
    case Action::Blue:
        m_rgb[int(a) - int(Action::Red)] = std::clamp(t.param, 0, 255);
        m_colorSet = true;
        break;
    default: break;
    }
}

void Parser::characterWord(Action a, const Token &t)
{
    CharProps &c = top().chr;
    switch (a) {
    case Action::Plain: c = CharProps(); break;
    case Action::Bold: c.set(CharProps::Bold, t.flag()); break;
    case Action::Italic: c.set(CharProps::Italic, t.flag()); break;
    case Action::Underline: c.set(CharProps::Underline, t.flag()); break;
    case Action::UnderlineNone: c.set(CharProps::Underline, false); break;
    case Action::Strike: c.set(CharProps::Strike, t.flag()); break;
    case Action::Hidden: c.set(CharProps::Hidden, t.flag()); break;
    case Action::AllCaps: c.set(CharProps::AllCaps, t.flag()); break;
    case Action::SmallCaps: c.set(CharProps::SmallCaps, t.flag()); break;
    case Action::Superscript: c.set(CharProps::Sub, false), c.set(CharProps::Super, t.flag()); break;
    case Action::Subscript: c.set(CharProps::Super, false), c.set(CharProps::Sub, t.flag()); break;
    case Action::NoSuperSub: c.set(CharProps::Super, false), c.set(CharProps::Sub, false); break;
    case Action::RaiseBy: c.raise = std::clamp(t.hasParam ? t.param : 6, -kMaxHalfPoints, kMaxHalfPoints); break;
    case Action::LowerBy: c.raise = -std::clamp(t.hasParam ? t.param : 6, -kMaxHalfPoints, kMaxHalfPoints); break;
    case Action::Kerning: c.kerning = std::clamp(t.hasParam ? t.param : 1, 0, kMaxHalfPoints); break;
    case Action::FontSize:
        c.halfPoints = t.hasParam && t.param > 0 ? std::min(t.param, kMaxHalfPoints)
                                                 : CharProps::kDefaultHalfPoints;
        break;
    case Action::Color: c.color = std::max(t.param, 0); break;
    default: break;
    }
}

void Parser::breakWord(Action a)
{
    const Group &g = top();
    if (g.dest != Dest::Text)
        return;
    switch (a) {
    case Action::Par: m_builder.endParagraph(g.para, g.chr); break;
    case Action::Row: m_builder.endRow(g.para, g.chr, 1); break;
    case Action::Cell: m_builder.cellBreak(g.para, g.chr, 1); break;
    case Action::NestedRow: m_builder.endRow(g.para, g.chr, std::max(tableDepth(g.para), 2)); break;
    case Action::NestedCell: m_builder.cellBreak(g.para, g.chr, std::max(tableDepth(g.para), 2)); break;
    case Action::Page: m_builder.pageBreak(g.para, g.chr); break;
    case Action::Line: putChar(0x2028); break;
    case Action::Tab: putChar(u'\t'); break;
    default: break;
    }
}

void Parser::embeddedWord(Action a)
{
    if (top().dest != Dest::Text)
        return;
    if (a == Action::Picture)
        picture();
    else if (a == Action::FieldInstruction)
        fieldInstruction();
}

void Parser::unicode(int value)
{
    if (value < 0)
        value += 0x10000;
    putChar(value >= 0 && value <= 0xFFFF ? char16_t(value) : char16_t(0xFFFD));
    m_ucSkip = top().uc;
}

void Parser::putChar(char16_t ch)
{
    const Group &g = top();
    if (g.dest == Dest::FontTable) {
        m_fontName.append(QChar(ch));
    } else if (g.dest == Dest::Text) {
        const FontEntry *shown = m_tables.shownFont(g.chr.font); // as the writer will name it
        if (shown && shown->codePage == CodePage::Symbol)
            ch = symbolShown(ch);
        else if (!shown || shown->family.isEmpty()) { // shown in \deff's font, known at the end
            m_unnamedRuns = true;
            noteUnknownFont(g.chr.font);
        }
        m_builder.appendChar(ch, g.chr, g.para);
    }
}

} // namespace Rtf
