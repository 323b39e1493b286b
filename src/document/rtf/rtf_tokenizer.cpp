#include "document/rtf/rtf_tokenizer.h"

#include <algorithm>
#include <climits>

namespace Rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Bytes that end a run of text.
bool endsText(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

Token simple(TokenType type)
{
    Token t;
    t.type = type;
    return t;
}

} // namespace

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}


Tokenizer::Tokenizer(QByteArrayView data)
    : m_p(data.data())
    , m_end(data.data() + data.size())
{
}

Token Tokenizer::next()
{
    while (m_p < m_end) {
        switch (*m_p) {
        case '{':
            ++m_p;
            return simple(TokenType::GroupOpen);
        case '}':
            ++m_p;
            return simple(TokenType::GroupClose);
        case '\\':
            ++m_p;
            return afterBackslash();
        case '\r':
        case '\n':
            ++m_p; // line ends in RTF are not text
            continue;
        default:
            return textRun();
        }
    }
    return simple(TokenType::End);
}

Token Tokenizer::afterBackslash()
{
    if (m_p >= m_end)
        return simple(TokenType::End);
    const char c = *m_p;
    if (isLetter(c))
        return controlWord();
    ++m_p;
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        for (; digits < 2 && m_p < m_end && hexValue(*m_p) >= 0; ++digits)
            value = value * 16 + hexValue(*m_p++);
        if (digits > 0) {
            Token t = simple(TokenType::HexByte);
            t.byte = static_cast<unsigned char>(value);
            return t;
        }
    }
    if (c == '\r' || c == '\n') { // a backslash before a line end is a paragraph mark
        Token t = simple(TokenType::ControlWord);
        t.text = "par";
        return t;
    }
    Token t = simple(TokenType::ControlSymbol);
    t.symbol = c;
    return t;
}

Token Tokenizer::controlWord()
{
    const char *start = m_p;
    while (m_p < m_end && isLetter(*m_p))
        ++m_p;
    Token t = simple(TokenType::ControlWord);
    t.text = std::string_view(start, size_t(m_p - start));
    t.hasParam = number(t.param);
    if (m_p < m_end && *m_p == ' ')
        ++m_p; // the delimiting space belongs to the word
    if (t.hasParam && t.text == "bin")
        skipBinary(t.param, t);
    return t;
}

bool Tokenizer::number(int &value)
{
    const char *p = m_p;
    const bool negative = p < m_end && *p == '-';
    if (negative)
        ++p;
    if (p >= m_end || !isDigit(*p))
        return false;
    long long v = 0;
    for (; p < m_end && isDigit(*p); ++p) {
        if (v <= INT_MAX)
            v = v * 10 + (*p - '0');
    }
    v = std::min<long long>(v, INT_MAX);
    value = int(negative ? -v : v);
    m_p = p;
    return true;
}

void Tokenizer::skipBinary(int count, Token &t)
{
    const qsizetype n = std::clamp<qsizetype>(count, 0, m_end - m_p);
    t.type = TokenType::Binary;
    t.text = std::string_view(m_p, size_t(n));
    m_p += n;
}

Token Tokenizer::textRun()
{
    const char *start = m_p;
    while (m_p < m_end && !endsText(*m_p))
        ++m_p;
    Token t = simple(TokenType::Text);
    t.text = std::string_view(start, size_t(m_p - start));
    return t;
}

bool Tokenizer::skipBinaryWordInGroup()
{
    const char *start = m_p;
    while (m_p < m_end && isLetter(*m_p))
        ++m_p;
    if (std::string_view(start, size_t(m_p - start)) != "bin")
        return false;
    int count = 0;
    if (!number(count))
        return false;
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    Token ignored;
    skipBinary(count, ignored);
    return true;
}

bool Tokenizer::skipGroup()
{
    qsizetype depth = 1;
    while (m_p < m_end) {
        const char c = *m_p++;
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                return true;
        } else if (c == '\\' && m_p < m_end) {
            if (*m_p == 'b')
                skipBinaryWordInGroup();
            else
                ++m_p; // the escaped byte cannot open or close a group
        }
    }
    return false;
}

} // namespace Rtf
