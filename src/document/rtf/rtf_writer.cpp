#include "document/rtf/rtf.h"
#include "document/rtf/rtf_codepage.h"

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

constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;

struct RunStyle
{
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool symbolFont = false; // readers map the Symbol font's bytes to Greek and maths
};

void appendNumber(std::string &out, int n)
{
    out += std::to_string(n);
}

void appendHexByte(std::string &out, int byte)
{
    static constexpr char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[byte >> 4];
    out += digits[byte & 15];
}

// Writes text as RTF: Windows-1252 bytes where the page has the character, \uN?
// otherwise (a character outside the BMP as its two surrogates).
class TextEscaper
{
public:
    explicit TextEscaper(std::string &out) : m_out(out) {}

    void word(const char *name)
    {
        m_out += '\\';
        m_out += name;
        m_needSpace = true;
    }
    void word(const char *name, int param)
    {
        word(name);
        appendNumber(m_out, param);
    }
    void raw(const char *s)
    {
        m_out += s;
        m_needSpace = false;
    }
    enum class Mode { Text, FontName, AllUnicode };
    void text(QStringView s, Mode mode = Mode::Text)
    {
        for (const QChar qc : s) {
            const char16_t c = qc.unicode();
            if (mode == Mode::AllUnicode && c >= 0x20 && c != 0x2028 && c != 0x2029)
                unicode(c);
            else if (c >= 0x20 && c < 0x7F && !(mode == Mode::FontName && c == ';'))
                ascii(char(c));
            else
                special(c);
        }
    }

private:
    void ascii(char c)
    {
        if (c == '\\' || c == '{' || c == '}') {
            m_out += '\\';
            m_needSpace = false;
        } else if (m_needSpace) {
            m_out += ' '; // ends the control word before
            m_needSpace = false;
        }
        m_out += c;
    }
    void special(char16_t c)
    {
        if (c == '\t')
            return word("tab");
        if (c == 0x2028 || c == 0x2029)
            return word("line");
        if (c < 0x20 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC)
            return; // control characters, frame markers and object placeholders have no text
        const int byte = windows1252Byte(c);
        if (byte < 0)
            return unicode(c);
        appendHexByte(m_out, byte);
        m_needSpace = false;
    }
    void unicode(char16_t c)
    {
        if (c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC)
            return;
        m_out += "\\u";
        appendNumber(m_out, int(static_cast<short>(c)));
        m_out += '?';
        m_needSpace = false;
    }

    std::string &m_out;
    bool m_needSpace = false;
};

class Writer
{
public:
    explicit Writer(const QTextDocument &doc);
    QByteArray run();

private:
    template<typename FormatOf>
    const RunStyle &style(int formatIndex, FormatOf formatOf);
    RunStyle resolve(const QTextCharFormat &f);
    QString family(const QTextCharFormat &f) const;
    int halfPoints(const QTextCharFormat &f) const;
    int fontIndex(const QString &family);
    int colorIndex(const QTextCharFormat &f);
    const char *alignment(const QTextBlock &block);
    void writeBlock(const QTextBlock &block);
    void switchTo(const RunStyle &s);
    std::string header() const;

    const QTextDocument &m_doc;
    QFont m_default;
    std::string m_body;
    TextEscaper m_esc;
    RunStyle m_current;
    std::vector<int> m_styleOfFormat; // format index -> index in m_styles + 1
    std::vector<RunStyle> m_styles;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;
};

Writer::Writer(const QTextDocument &doc)
    : m_doc(doc)
    , m_default(doc.defaultFont())
    , m_esc(m_body)
{
    fontIndex(m_default.family()); // \deff0
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
    return m_default.family();
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
    c = s;
}

const char *Writer::alignment(const QTextBlock &block)
{
    const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        return "qc";
    if (a & Qt::AlignJustify)
        return "qj";
    if (a & (Qt::AlignRight | Qt::AlignTrailing))
        return "qr";
    return nullptr;
}

void Writer::writeBlock(const QTextBlock &block)
{
    m_esc.word("pard");
    if (const char *align = alignment(block))
        m_esc.word(align);
    if (block.length() <= 1) // an empty paragraph keeps the formatting of its mark
        switchTo(style(block.charFormatIndex(), [&] { return block.charFormat(); }));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const RunStyle &s = style(fragment.charFormatIndex(), [&] { return fragment.charFormat(); });
        switchTo(s);
        m_esc.text(fragment.text(), s.symbolFont ? TextEscaper::Mode::AllUnicode : TextEscaper::Mode::Text);
    }
    m_esc.word("par");
    m_esc.raw("\n");
}

std::string Writer::header() const
{
    std::string h = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    TextEscaper esc(h);
    for (int i = 0; i < m_fonts.size(); ++i) {
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
    return h;
}

QByteArray Writer::run()
{
    m_body.reserve(size_t(m_doc.characterCount()) + 1024);
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    const std::string head = header();
    QByteArray out;
    out.reserve(qsizetype(head.size() + m_body.size() + 2));
    out.append(head.data(), qsizetype(head.size()));
    out.append(m_body.data(), qsizetype(m_body.size()));
    out.append("}\n");
    return out;
}

} // namespace

QByteArray write(const QTextDocument &doc)
{
    return Writer(doc).run();
}

bool write(const QTextDocument &doc, QIODevice &out)
{
    const QByteArray data = write(doc);
    return out.isWritable() && out.write(data) == data.size();
}

} // namespace Rtf
