// The style sheet: each paragraph and character style's words are kept as read and
// given again where a paragraph (\s) or text (\cs) names the style. A style's base
// (\sbasedon) gives its character words first; its paragraph words are not taken, as
// writers state a style's paragraph in full. Words after the style's name override it.

#include "document/rtf/rtf_parser.h"

namespace Rtf {

namespace {

constexpr size_t kMaxStyles = 4096;
constexpr int kMaxStyleWords = 256;
constexpr int kMaxStyleBases = 8; // a chain of bases deeper than this (or a loop) is cut

// Space before and after stays with the paragraphs that state it: writers that use styles
// restate it, and styles made from web pages (automatic spacing) get none where LibreOffice
// draws them.
bool isSpacing(Action a)
{
    return a == Action::SpaceBefore || a == Action::SpaceAfter || a == Action::AutoBefore || a == Action::AutoAfter;
}

// The words of a style that shape text: not \pard, \plain, a table's nor its spacing.
bool keptInStyle(const ControlWordInfo &w)
{
    switch (w.kind) {
    case Kind::Character: return w.action != Action::Plain;
    case Kind::Paragraph:
        return w.action != Action::Pard && w.action != Action::InTable && w.action != Action::TableDepth
            && !isSpacing(w.action);
    case Kind::FontTable: return w.action == Action::Font;
    default: return false;
    }
}

} // namespace

void Parser::styleWord(Action a, const Token &t)
{
    Group &g = top();
    switch (a) {
    case Action::StyleSheet:
        g.dest = Dest::StyleSheet;
        m_styleSheetDepth = m_groups.size();
        break;
    case Action::ParagraphStyle:
    case Action::CharacterStyle:
        if (g.dest == Dest::Text && a == Action::ParagraphStyle)
            g.para.style = t.param;
        if (g.dest == Dest::Text)
            applyStyle(a == Action::CharacterStyle, t.param, 0, kMaxStyleWords);
        break;
    default: break; // \sbasedon outside the style sheet
    }
}

// A word inside the style sheet: the first one of an entry opens it. Returns whether
// the word was taken.
bool Parser::styleEntryWord(const ControlWordInfo &w, const Token &t)
{
    if (m_groups.size() != m_styleSheetDepth + 1)
        return w.kind != Kind::Skipped; // the sheet's own words, or deeper groups of an entry
    Group &g = top();
    if (g.onClose != Group::CommitStyle) {
        g.onClose = Group::CommitStyle;
        m_style = Style();
        m_styleNumber = 0; // an entry without \s is the normal style
        m_characterStyle = false;
    }
    switch (w.action) {
    case Action::ParagraphStyle:
    case Action::CharacterStyle:
        m_styleNumber = t.param;
        m_characterStyle = w.action == Action::CharacterStyle;
        return true;
    case Action::StyleBase: m_style.basedOn = t.param; return true;
    default: break;
    }
    if (keptInStyle(w) && m_style.words.size() < size_t(kMaxStyleWords))
        m_style.words.push_back({&w, t});
    return w.kind != Kind::Skipped;
}

void Parser::commitStyle()
{
    auto &styles = m_characterStyle ? m_characterStyles : m_paragraphStyles;
    if (styles.size() < kMaxStyles || styles.count(m_styleNumber))
        styles[m_styleNumber] = std::move(m_style);
    m_style = Style();
}

// Gives at most budget words of the style and its bases; returns what is left of it, so
// that a file naming styles over and over costs time in proportion to its length.
int Parser::applyStyle(bool character, int number, int depth, int budget)
{
    const auto &styles = character ? m_characterStyles : m_paragraphStyles;
    const auto it = styles.find(number);
    if (it == styles.end() || depth > kMaxStyleBases)
        return budget;
    const Style &style = it->second;
    if (style.basedOn >= 0 && style.basedOn != number)
        budget = applyStyle(character, style.basedOn, depth + 1, budget);
    for (const StyleWord &w : style.words) {
        if (budget <= 0)
            break;
        if (depth == 0 || w.info->kind != Kind::Paragraph)
            dispatch(*w.info, w.token), --budget;
    }
    return budget;
}

} // namespace Rtf
