// Reading the font and colour tables.

#include "document/rtf/rtf_parser.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

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
    m_fontName.removeIf([](QChar c) { // as the writer drops them
        return c.unicode() < 0x20 || c.unicode() == 0xFFFC || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
    });
    const QString family = m_fontName.trimmed();
    int cp = fontEntryCodePage();
    // Only the Symbol font itself has a known Unicode meaning; other symbol-charset
    // fonts keep their private code points, as Windows does.
    if (family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        cp = CodePage::Symbol;
    else if (cp == CodePage::Symbol)
        cp = CodePage::SymbolPrivate;
    m_fontChecked = -2;
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

// Text in a font the font table does not name, which \f or a \deff beside a font table
// asks for, is shown in a reader's own font, not in the one it shows text that asks for none in.
void Parser::noteUnknownFont(int number)
{
    if (m_unknownFont || number == m_fontChecked || (number < 0 && !(m_defaultFontGiven && m_fontTableGiven)))
        return;
    m_fontChecked = number; // the table does not change under runs of one font
    const FontEntry *font = m_tables.font(number);
    m_unknownFont = !font || font->family.isEmpty();
}

// Text the file gave no named font is shown in \deff's font, which only the finished
// font table tells: when that is Symbol, its private-area characters are what they show,
// as they are in a run that names Symbol.
void Parser::showUnnamedRunsInDefaultFont()
{
    if (!m_unnamedRuns || m_tooLong || m_cancelled || !m_setup.defaultFontNamed
        || m_setup.defaultFont.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) != 0)
        return;
    struct Shown { int position; QString text; QTextCharFormat format; };
    std::vector<Shown> changes; // made after the walk, which a change would disturb
    QTextDocument *doc = m_builder.document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().hasProperty(QTextFormat::FontFamilies))
                continue;
            QString text = fragment.text();
            for (QChar &c : text)
                c = QChar(symbolShown(c.unicode()));
            if (text != fragment.text())
                changes.push_back({fragment.position(), text, fragment.charFormat()});
        }
    }
    QTextCursor cursor(doc);
    for (const Shown &change : changes) { // same lengths: later positions stay
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + int(change.text.size()), QTextCursor::KeepAnchor);
        cursor.insertText(change.text, change.format);
    }
}

} // namespace Rtf
