#pragma once

#include "document/reading/document_limits.h"

#include <QString>

#include <array>
#include <memory>
#include <string_view>
#include <unordered_map>

class QStringDecoder;

namespace Rtf {

// Code page numbers used by RTF (\ansicpg, \cpg, and those implied by \fcharset).
namespace CodePage {
constexpr int Windows1252 = 1252;
constexpr int MacRoman = 10000;
constexpr int Symbol = 42;        // the Symbol font: Greek letters, arrows, maths
constexpr int SymbolPrivate = 2;  // other symbol fonts (Wingdings, ...): U+F000 + byte
}

// The code page a font's \fcharset implies; 0 when the charset defers to the
// document's \ansicpg (DEFAULT_CHARSET or an unknown value).
int codePageForCharset(int charset);

// Maps a private-use character of a symbol font (U+F020..U+F0FF, as Word writes
// them with \u) or a byte of the Symbol font to Unicode.
char16_t symbolToUnicode(unsigned char byte);
// A private-use character in the Symbol font is what symbolToUnicode makes of it;
// any other character is itself.
char16_t symbolShown(char16_t ch);

// Decodes byte strings in any code page RTF may name. Single-byte pages go through a
// 256-entry table built once per page; double-byte pages (Shift-JIS, GBK, Big5, UHC, ...)
// are decoded as whole byte sequences, never byte by byte.
class TextDecoder
{
public:
    TextDecoder();
    ~TextDecoder();
    TextDecoder(const TextDecoder &) = delete;
    TextDecoder &operator=(const TextDecoder &) = delete;

    // Appends the decoded text of bytes to out.
    void decode(int codePage, std::string_view bytes, QString &out);

private:
    struct Page
    {
        bool doubleByte = false;
        std::array<char16_t, 256> table{};
        std::unique_ptr<QStringDecoder> decoder;
    };
    static constexpr size_t kMaxPages = RtfLimits::kMaxCodePages;
    Page &page(int codePage);
    Page makePage(int codePage) const;

    std::unordered_map<int, std::unique_ptr<Page>> m_pages;
    int m_lastCodePage = -1;
    Page *m_last = nullptr;
};

// The Windows-1252 byte for a character, or -1 when the page has none.
int windows1252Byte(char16_t ch);

} // namespace Rtf
