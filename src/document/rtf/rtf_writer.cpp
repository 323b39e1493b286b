#include "document/rtf/rtf.h"
#include "document/reading/document_limits.h"
#include "document/rtf/rtf_format.h"
#include "document/rtf/rtf_writer.h"

#include <QFont>
#include <QHash>
#include <QIODevice>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <string>
#include <vector>

namespace Rtf {

namespace {

constexpr int kDefaultHalfPoints = RunStyle::kDefaultHalfPoints;
using RtfLimits::kMaxHalfPoints;

} // namespace

Writer::Writer(const QTextDocument &doc)
    : m_doc(doc)
    , m_default(doc.defaultFont())
    , m_setup(pageSetup(doc))
    , m_esc(m_body)
{
    // A document read from a file keeps the default font it named, or names none.
    if (!m_setup.fromFile)
        m_defaultFamily = m_default.family();
    else if (m_setup.defaultFontNamed)
        m_defaultFamily = m_setup.defaultFont;
    fontIndex(m_defaultFamily); // \deff0
}

int Writer::fontIndex(const QString &family)
{
    const auto it = m_fontIndex.constFind(family);
    if (it != m_fontIndex.cend())
        return *it;
    m_fonts.append(family);
    return m_fontIndex[family] = int(m_fonts.size() - 1);
}

int Writer::colorIndex(const QTextCharFormat &f)
{
    if (!f.hasProperty(QTextFormat::ForegroundBrush) || f.foreground().style() == Qt::NoBrush)
        return 0; // auto
    const QRgb rgb = f.foreground().color().rgb() | 0xFF000000u;
    const auto it = m_colorIndex.constFind(rgb);
    if (it != m_colorIndex.cend())
        return *it;
    m_colors.append(rgb);
    return m_colorIndex[rgb] = int(m_colors.size()); // entry 0 is auto
}

QString Writer::family(const QTextCharFormat &f) const
{
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    const QString single = f.stringProperty(QTextFormat::FontFamily); // set by older code
    if (!single.isEmpty())
        return single;
    return m_defaultFamily;
}

int Writer::halfPoints(const QTextCharFormat &f) const
{
    double points = 0;
    if (f.hasProperty(QTextFormat::FontPointSize))
        points = f.fontPointSize();
    else if (f.hasProperty(QTextFormat::FontPixelSize))
        points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    else if (m_default.pointSizeF() > 0)
        points = m_default.pointSizeF();
    else if (m_default.pixelSize() > 0)
        points = m_default.pixelSize() * 0.75;
    if (points <= 0)
        return kDefaultHalfPoints;
    return std::clamp(int(std::lround(points * 2)), 1, kMaxHalfPoints);
}

RunStyle Writer::resolve(const QTextCharFormat &f)
{
    RunStyle s;
    const QString name = family(f);
    s.font = fontIndex(name);
    s.symbolFont = name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
    s.halfPoints = halfPoints(f);
    s.color = colorIndex(f);
    const int weight = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : m_default.weight();
    s.bold = weight >= QFont::DemiBold;
    s.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : m_default.italic();
    s.underline = f.hasProperty(QTextFormat::TextUnderlineStyle) || f.hasProperty(QTextFormat::FontUnderline)
                      ? f.fontUnderline()
                      : m_default.underline();
    s.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : m_default.strikeOut();
    s.hidden = f.boolProperty(HiddenProperty);
    s.kerning = f.hasProperty(KerningProperty) ? f.intProperty(KerningProperty) : -1;
    s.raise = f.intProperty(RaiseProperty);
    s.script = f.verticalAlignment() == QTextCharFormat::AlignSuperScript ? 1
             : f.verticalAlignment() == QTextCharFormat::AlignSubScript ? 2 : 0;
    s.caps = f.hasProperty(QTextFormat::FontCapitalization) ? f.fontCapitalization() : QFont::MixedCase;
    return s;
}

template<typename FormatOf>
const RunStyle &Writer::style(int formatIndex, FormatOf formatOf)
{
    if (formatIndex < 0)
        formatIndex = 0;
    if (size_t(formatIndex) >= m_styleOfFormat.size())
        m_styleOfFormat.resize(size_t(formatIndex) + 1, 0);
    int &slot = m_styleOfFormat[size_t(formatIndex)];
    if (slot == 0) {
        m_styles.push_back(resolve(formatOf()));
        slot = int(m_styles.size());
    }
    return m_styles[size_t(slot - 1)];
}

void Writer::switchTo(const RunStyle &s)
{
    RunStyle &c = m_current;
    if (s.kerning < 0 && c.kerning >= 0) { // only \plain takes kerning back to unsaid
        m_esc.word("plain");
        c = RunStyle{};
    }
    if (s.font != c.font)
        m_esc.word("f", s.font);
    if (s.halfPoints != c.halfPoints)
        m_esc.word("fs", s.halfPoints);
    if (s.bold != c.bold)
        s.bold ? m_esc.word("b") : m_esc.word("b", 0);
    if (s.italic != c.italic)
        s.italic ? m_esc.word("i") : m_esc.word("i", 0);
    if (s.underline != c.underline)
        m_esc.word(s.underline ? "ul" : "ulnone");
    if (s.strike != c.strike)
        s.strike ? m_esc.word("strike") : m_esc.word("strike", 0);
    if (s.color != c.color)
        m_esc.word("cf", s.color);
    if (s.caps != c.caps) {
        (c.caps == QFont::AllUppercase) ? m_esc.word("caps", 0) : (c.caps == QFont::SmallCaps) ? m_esc.word("scaps", 0) : void();
        (s.caps == QFont::AllUppercase) ? m_esc.word("caps") : (s.caps == QFont::SmallCaps) ? m_esc.word("scaps") : void();
    }
    if (s.script != c.script)
        m_esc.word(s.script == 1 ? "super" : s.script == 2 ? "sub" : "nosupersub");
    if (s.raise != c.raise)
        s.raise < 0 ? m_esc.word("dn", -s.raise) : m_esc.word("up", s.raise);
    if (s.kerning != c.kerning)
        m_esc.word("kerning", s.kerning);
    if (s.hidden != c.hidden)
        s.hidden ? m_esc.word("v") : m_esc.word("v", 0);
    c = s;
}

std::string Writer::header() const
{
    // \deff naming a font the table lacks makes readers pick a font of their own: only
    // where the file asked for one such
    std::string h = m_defaultFamily.isEmpty() && !m_setup.defaultFontUnknown ? "{\\rtf1\\ansi\\ansicpg1252\\uc1\n{\\fonttbl"
                                              : "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    TextEscaper esc(h);
    for (int i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts.at(i).isEmpty())
            continue; // the file's unnamed default font: readers fall back to their own
        esc.raw("{");
        esc.word("f", i);
        esc.word("fnil");
        esc.word("fcharset", 0);
        esc.text(m_fonts.at(i), TextEscaper::Mode::FontName);
        esc.raw(";}");
    }
    esc.raw("}\n{\\colortbl;");
    for (const QRgb rgb : m_colors) {
        esc.word("red", qRed(rgb));
        esc.word("green", qGreen(rgb));
        esc.word("blue", qBlue(rgb));
        esc.raw(";");
    }
    esc.raw("}\n");
    h += listTables();
    return h;
}

QByteArray Writer::run()
{
    m_body.reserve(size_t(m_doc.characterCount()) + 1024);
    m_body += pageSetupWords(); // its headers may add fonts and colours to the tables
    writeFrame(m_doc.rootFrame(), 0);
    const std::string head = header();
    QByteArray out;
    out.reserve(qsizetype(head.size() + m_body.size() + 2));
    out.append(head.data(), qsizetype(head.size()));
    out.append(m_body.data(), qsizetype(m_body.size()));
    out.append("}\n");
    return out;
}

void Writer::writeText(const QTextBlock &block)
{
    if (block.length() <= 1) // an empty paragraph keeps the formatting of its mark
        switchTo(style(block.charFormatIndex(), [&] { return block.charFormat(); }));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat f = fragment.charFormat();
        setLink(f.isAnchor() ? f.anchorHref() : QString());
        const RunStyle &s = style(fragment.charFormatIndex(), [&] { return f; });
        switchTo(s);
        if (f.isImageFormat()) {
            writePicture(f.toImageFormat());
            continue;
        }
        m_esc.text(fragment.text(), s.symbolFont ? TextEscaper::Mode::AllUnicode : TextEscaper::Mode::Text);
    }
    setLink(QString());
}

void Writer::setLink(const QString &href)
{
    if (href == m_link)
        return;
    if (!m_link.isEmpty()) {
        m_esc.raw("}}");
        m_current = m_beforeLink; // the field's groups end here
    }
    m_link = href;
    if (href.isEmpty())
        return;
    m_beforeLink = m_current;
    m_esc.raw("{\\field{\\*\\fldinst HYPERLINK \"");
    QString quoted = href;
    m_esc.text(quoted.replace(u'"', QStringLiteral("%22")));
    m_esc.raw("\"}{\\fldrslt ");
}

QByteArray write(const QTextDocument &doc)
{
    return Writer(doc).run();
}

Outcome write(const QTextDocument &doc, QIODevice &out)
{
    const QByteArray data = write(doc);
    if (!out.isWritable())
        return Outcome::failed(QStringLiteral("cannot write the file"));
    return out.write(data) == data.size() ? Outcome() : Outcome::failed(out.errorString());
}

} // namespace Rtf
