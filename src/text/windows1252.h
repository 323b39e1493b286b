#pragma once
// Windows-1252, the code page the answer data file has always been written in and the one RTF
// and old plain text default to. Qt has no built-in converter for it (only through ICU), so the
// table lives here, once.

#include <QByteArray>
#include <QString>
#include <optional>

namespace Windows1252 {
// Every byte has a character: the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the C1 control of the same value, as Windows itself reads them.
char16_t toUnicode(unsigned char byte);
QString decode(QByteArrayView bytes);
// The byte of a character, or no value when it has no place in the code page.
std::optional<char> byteOf(char16_t c);
// No value when a character has no place in the code page.
std::optional<QByteArray> encode(QStringView text);
} // namespace Windows1252
