#pragma once

#include <QByteArrayView>

#include <string_view>

namespace Rtf {

enum class TokenType : unsigned char {
    GroupOpen,
    GroupClose,
    ControlWord,   // name, optional parameter
    ControlSymbol, // \ followed by one non-letter
    HexByte,       // \'hh
    Text,          // a run of plain bytes (line ends removed)
    Binary,        // the data of \binN, already skipped
    End
};

// The value of a hex digit, or -1 for any other byte.
int hexValue(char c);

struct Token
{
    TokenType type = TokenType::End;
    bool hasParam = false;
    char symbol = 0;
    unsigned char byte = 0;
    int param = 0;
    std::string_view text; // word name, text run or binary data

    // A toggle word (\b, \b1, \b0): on unless its parameter is 0.
    bool flag() const { return !hasParam || param != 0; }
};

// Splits RTF into tokens. Never reads past the input and does a bounded amount of
// work per input byte: long words and numbers are consumed but clamped.
class Tokenizer
{
public:
    explicit Tokenizer(QByteArrayView data);

    Token next();
    // Skips to just after the brace that closes the group the last token was in
    // (or to the end of the input), honouring escapes and \bin data; false when the
    // input ended first.
    bool skipGroup();
    const char *position() const { return m_p; }
    bool atEnd() const { return m_p >= m_end; }
    qsizetype remaining() const { return m_end - m_p; }

private:
    Token controlWord();
    Token afterBackslash();
    Token textRun();
    // Reads an optional signed number; returns false when none follows.
    bool number(int &value);
    void skipBinary(int count, Token &t);
    bool skipBinaryWordInGroup();

    const char *m_p;
    const char *m_end;
};

} // namespace Rtf
