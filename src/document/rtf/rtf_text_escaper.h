#pragma once

#include "document/rtf/rtf_codepage.h"

#include <QStringView>

#include <string>
#include <string_view>

namespace Rtf {

inline void appendNumber(std::string &out, int n)
{
    out += std::to_string(n);
}

inline void appendHexByte(std::string &out, int byte)
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
    void raw(std::string_view s)
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

} // namespace Rtf
