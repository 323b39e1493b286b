// Paragraph formatting both ways: indents, spacing, line height, tab stops, page
// breaks and keeps.

#include "document/rtf/rtf_format.h"
#include "document/reading/document_limits.h"
#include "document/rtf/rtf_parser.h"
#include "document/rtf/rtf_writer.h"

#include <QTextBlockFormat>

#include <algorithm>
#include <cmath>

namespace Rtf {

namespace {

using RtfLimits::kMaxTabs;
using RtfLimits::kMaxTwips;
constexpr int kAutoSpacing = 280; // Word's automatic space before and after: 14 pt
constexpr int kSingleSpacing = 240; // \slmult1: lines of 240ths

double pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

int twips(double pixels)
{
    return int(std::lround(pixels * kTwipsPerPixel));
}

int length(const Token &t)
{
    return std::clamp(t.param, -kMaxTwips, kMaxTwips);
}

QTextOption::Tab tab(const TabStop &stop)
{
    switch (stop.kind) {
    case TabStop::Center: return {pixels(stop.twips), QTextOption::CenterTab};
    case TabStop::Right: return {pixels(stop.twips), QTextOption::RightTab};
    case TabStop::Decimal: return {pixels(stop.twips), QTextOption::DelimiterTab, u'.'};
    case TabStop::Left: break;
    }
    return {pixels(stop.twips), QTextOption::LeftTab};
}

} // namespace

void setParagraphSpacing(QTextBlockFormat &f, const ParaProps &p)
{
    if (p.left != 0)
        f.setLeftMargin(pixels(p.left));
    if (p.right != 0)
        f.setRightMargin(pixels(p.right));
    if (p.firstLine != 0)
        f.setTextIndent(pixels(p.firstLine));
    if (p.before != 0)
        f.setTopMargin(pixels(p.before));
    if (p.after != 0)
        f.setBottomMargin(pixels(p.after));
    if (p.lineSpacing > 0 && p.lineMultiple && p.lineSpacing != kSingleSpacing)
        f.setLineHeight(p.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (p.lineSpacing > 0)
        f.setLineHeight(pixels(p.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (p.lineSpacing < 0)
        f.setLineHeight(pixels(-p.lineSpacing), QTextBlockFormat::FixedHeight);
    if (!p.tabs.isEmpty()) {
        QList<QTextOption::Tab> tabs;
        for (const TabStop &stop : p.tabs)
            tabs << tab(stop);
        f.setTabPositions(tabs);
    }
    if (p.pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (p.keepTogether)
        f.setNonBreakableLines(true);
    if (p.keepWithNext)
        f.setProperty(KeepWithNextProperty, true);
    if (p.widowControl != 0)
        f.setProperty(WidowControlProperty, int(p.widowControl));
}

void Parser::paragraphWord(Action a, const Token &t)
{
    ParaProps &p = top().para;
    switch (a) {
    case Action::Pard:
        p = ParaProps();
        m_builder.paragraphRestated();
        break;
    case Action::AlignLeft: p.align = ParaProps::Left, m_builder.paragraphRestated(); break;
    case Action::AlignCenter: p.align = ParaProps::Center, m_builder.paragraphRestated(); break;
    case Action::AlignRight: p.align = ParaProps::Right, m_builder.paragraphRestated(); break;
    case Action::AlignJustify: p.align = ParaProps::Justify, m_builder.paragraphRestated(); break;
    case Action::LeftIndent: p.left = length(t); break;
    case Action::RightIndent: p.right = length(t); break;
    case Action::FirstIndent: p.firstLine = length(t); break;
    case Action::SpaceBefore: p.before = std::max(length(t), 0); break;
    case Action::SpaceAfter: p.after = std::max(length(t), 0); break;
    case Action::AutoBefore:
        if (t.flag())
            p.before = kAutoSpacing;
        break;
    case Action::AutoAfter:
        if (t.flag())
            p.after = kAutoSpacing;
        break;
    case Action::LineSpacing: p.lineSpacing = length(t); break;
    case Action::LineMultiple: p.lineMultiple = t.flag(); break;
    case Action::TabCenter: p.nextTabKind = TabStop::Center; break;
    case Action::TabRight: p.nextTabKind = TabStop::Right; break;
    case Action::TabDecimal: p.nextTabKind = TabStop::Decimal; break;
    case Action::TabStop:
    case Action::BarTab:
        if (p.tabs.size() < kMaxTabs)
            p.tabs.append({std::clamp(t.param, 0, kMaxTwips), p.nextTabKind});
        p.nextTabKind = TabStop::Left;
        break;
    case Action::PageBreakBefore: p.pageBreakBefore = t.flag(); break;
    case Action::Keep: p.keepTogether = t.flag(); break;
    case Action::KeepNext: p.keepWithNext = t.flag(); break;
    case Action::ContextualSpace: p.contextualSpace = t.flag(); break;
    case Action::WidowControl: p.widowControl = 1; break;
    case Action::NoWidowControl: p.widowControl = 2; break;
    case Action::InTable: p.tableDepth = std::max(p.tableDepth, 1); break;
    case Action::TableDepth: p.tableDepth = std::clamp(t.param, 0, int(RtfLimits::kMaxGroupDepth)); break;
    case Action::ListLevelNumber: p.level = std::clamp(t.param, 0, 8); break;
    case Action::ParagraphBorder:
        p.borderOpen = true;
        addBorderWord(p, t);
        break;
    case Action::BorderSpace:
        if (p.borderOpen)
            addBorderWord(p, t);
        break;
    default: break;
    }
}

void addBorderWord(ParaProps &p, const Token &t)
{
    constexpr qsizetype kMaxBorderWords = 256; // bytes
    if (p.borders.size() >= kMaxBorderWords)
        return;
    p.borders += '\\' + QByteArray(t.text.data(), qsizetype(t.text.size()));
    if (t.hasParam)
        p.borders += QByteArray::number(std::clamp(t.param, -kMaxTwips, kMaxTwips));
}

// Border words as read, each written as a word of its own.
void writeBorderWords(TextEscaper &esc, const QByteArray &words)
{
    Tokenizer tok(words);
    for (Token t = tok.next(); t.type != TokenType::End; t = tok.next()) {
        if (t.type != TokenType::ControlWord)
            continue;
        const std::string name(t.text);
        t.hasParam ? esc.word(name.c_str(), t.param) : esc.word(name.c_str());
    }
}

void writeParagraphFormat(TextEscaper &esc, const QTextBlockFormat &f, double listIndent)
{
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        esc.word("qc");
    else if (a & Qt::AlignJustify)
        esc.word("qj");
    else if (a & (Qt::AlignRight | Qt::AlignTrailing))
        esc.word("qr");
    const auto number = [&](const char *name, double px) {
        if (const int n = twips(px); n != 0)
            esc.word(name, n);
    };
    number("li", f.leftMargin() + listIndent);
    number("ri", f.rightMargin());
    number("fi", f.textIndent());
    number("sb", f.topMargin());
    number("sa", f.bottomMargin());
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (const int n = int(std::lround(f.lineHeight() * 2.4)); n > 0 && n != 240)
            esc.word("sl", n), esc.word("slmult", 1);
        break;
    case QTextBlockFormat::FixedHeight: number("sl", -f.lineHeight()), esc.word("slmult", 0); break;
    case QTextBlockFormat::MinimumHeight: number("sl", f.lineHeight()), esc.word("slmult", 0); break;
    default: break;
    }
    for (const QTextOption::Tab &tab : f.tabPositions()) {
        if (tab.type == QTextOption::CenterTab)
            esc.word("tqc");
        else if (tab.type == QTextOption::RightTab)
            esc.word("tqr");
        else if (tab.type == QTextOption::DelimiterTab)
            esc.word("tqdec");
        esc.word("tx", std::max(twips(tab.position), 0));
    }
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        esc.word("pagebb");
    if (f.nonBreakableLines())
        esc.word("keep");
    if (f.boolProperty(KeepWithNextProperty))
        esc.word("keepn");
    if (const int widow = f.intProperty(WidowControlProperty); widow == 1 || widow == 2)
        esc.word(widow == 1 ? "widctlpar" : "nowidctlpar");
    if (f.hasProperty(ParagraphBordersProperty))
        writeBorderWords(esc, f.stringProperty(ParagraphBordersProperty).toLatin1());
}

} // namespace Rtf
