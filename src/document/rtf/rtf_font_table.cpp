// Reading the font and colour tables.

#include "document/rtf/rtf_parser.h"

namespace Rtf {

void Parser::beginFont(int number)
{
    if (m_fontPending)
        commitFont();
    m_fontNumber = number;
    m_fontCharset = -1;
    m_fontCodePage = 0;
    m_fontName.clear();
    m_fontPending = true;
}

void Parser::commitFont()
{
    flushBytes();
    if (!m_fontPending) { // a name without \f before it names nothing
        m_fontName.clear();
        return;
    }
    m_fontName.removeIf([](QChar c) { return c.unicode() < 0x20; }); // as the writer drops them
    const QString family = m_fontName.trimmed();
    int cp = fontEntryCodePage();
    // Only the Symbol font itself has a known Unicode meaning; other symbol-charset
    // fonts keep their private code points, as Windows does.
    if (family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        cp = CodePage::Symbol;
    else if (cp == CodePage::Symbol)
        cp = CodePage::SymbolPrivate;
    m_builder.tablesChanged();
    m_tables.fonts[m_fontNumber] = FontEntry{family, cp};
    m_fontName.clear();
    m_fontPending = false;
}

void Parser::commitColor()
{
    m_builder.tablesChanged();
    m_tables.colors.append(m_colorSet ? QColor(m_rgb[0], m_rgb[1], m_rgb[2]) : QColor());
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
    m_colorSet = false;
}

int Parser::fontEntryCodePage() const
{
    return m_fontCodePage > 0 ? m_fontCodePage : codePageForCharset(m_fontCharset);
}

void Parser::fontNameText(std::string_view bytes)
{
    for (size_t semicolon; (semicolon = bytes.find(';')) != std::string_view::npos;) {
        m_bytes.append(bytes.substr(0, semicolon));
        flushBytes();
        commitFont();
        bytes.remove_prefix(semicolon + 1);
    }
    m_bytes.append(bytes);
}

} // namespace Rtf
