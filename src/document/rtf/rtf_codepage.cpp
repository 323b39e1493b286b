#include "document/rtf/rtf_codepage.h"

#include "text/windows1252.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>

#include <algorithm>

namespace Rtf {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The Symbol font from 0x20 to 0xFF (0x80..0x9F and 0xF0/0xFF have no Unicode
// counterpart and stay in the private-use area, as Windows keeps them).
constexpr std::array<char16_t, 224> kSymbol = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,  // 20
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,  // 40
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,  // 50
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,  // 60
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,  // 70
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0xF07F,
    0xF080, 0xF081, 0xF082, 0xF083, 0xF084, 0xF085, 0xF086, 0xF087,  // 80
    0xF088, 0xF089, 0xF08A, 0xF08B, 0xF08C, 0xF08D, 0xF08E, 0xF08F,
    0xF090, 0xF091, 0xF092, 0xF093, 0xF094, 0xF095, 0xF096, 0xF097,  // 90
    0xF098, 0xF099, 0xF09A, 0xF09B, 0xF09C, 0xF09D, 0xF09E, 0xF09F,
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,  // A0
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,  // B0
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,  // C0
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,  // D0
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,  // E0
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    0xF0F0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,  // F0
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0xF0FF};

struct CharsetPage
{
    int charset;
    int codePage;
};

constexpr CharsetPage kCharsets[] = {
    {0, CodePage::Windows1252}, {2, CodePage::Symbol}, {77, 10000}, {78, 10001},
    {79, 10003}, {80, 10008}, {81, 10002}, {83, 10005}, {84, 10004}, {85, 10006},
    {86, 10081}, {87, 10021}, {88, 10029}, {89, 10007}, {128, 932}, {129, 949},
    {130, 1361}, {134, 936}, {136, 950}, {161, 1253}, {162, 1254}, {163, 1258},
    {177, 1255}, {178, 1256}, {179, 1256}, {180, 1256}, {181, 1255}, {186, 1257},
    {204, 1251}, {222, 874}, {238, 1250}, {254, 437}, {255, 850}};

bool isMultiByte(int codePage)
{
    static constexpr int pages[] = {932, 936, 949, 950, 1361, 10001, 10002, 10003, 10008,
                                    20932, 20936, 51932, 51936, 51949, 54936, 65001};
    return std::find(std::begin(pages), std::end(pages), codePage) != std::end(pages);
}

// Names under which the code page may be known to the converter; ICU knows most.
QList<QByteArray> converterNames(int codePage)
{
    switch (codePage) {
    case 932: return {"windows-31j", "Shift_JIS"};
    case 936: return {"GBK", "windows-936"};
    case 949: return {"windows-949", "EUC-KR"};
    case 950: return {"windows-950", "Big5"};
    case 1361: return {"ibm-1361", "johab"};
    case 10000: return {"macintosh"};
    case 10001: return {"x-mac-japanese", "Shift_JIS"};
    case 10002: return {"x-mac-chinesetrad", "Big5"};
    case 10003: return {"x-mac-korean", "EUC-KR"};
    case 10004: return {"x-mac-arabic"};
    case 10005: return {"x-mac-hebrew"};
    case 10006: return {"x-mac-greek"};
    case 10007: return {"x-mac-cyrillic"};
    case 10008: return {"x-mac-chinesesimp", "GB2312"};
    case 10029: return {"x-mac-centraleurope"};
    case 10081: return {"x-mac-turkish"};
    case 20127: return {"US-ASCII"};
    case 20932: return {"EUC-JP"};
    case 51932: return {"EUC-JP"};
    case 20936: case 51936: return {"GB2312"};
    case 51949: return {"EUC-KR"};
    case 54936: return {"GB18030"};
    case 65001: return {"UTF-8"};
    default: break;
    }
    const QByteArray n = QByteArray::number(codePage);
    if (codePage >= 28591 && codePage <= 28606)
        return {"ISO-8859-" + QByteArray::number(codePage - 28590)};
    return {"windows-" + n, "cp" + n, "IBM" + n, "ibm-" + n};
}

std::unique_ptr<QStringDecoder> makeDecoder(int codePage)
{
    for (const QByteArray &name : converterNames(codePage)) {
        auto decoder = std::make_unique<QStringDecoder>(name.constData(),
                                                        QStringConverter::Flag::Stateless);
        if (decoder->isValid())
            return decoder;
    }
    return nullptr;
}

void fillCp1252(std::array<char16_t, 256> &table)
{
    for (int b = 0; b < 256; ++b)
        table[b] = Windows1252::toUnicode(static_cast<unsigned char>(b));
}

void fillFromDecoder(std::array<char16_t, 256> &table, QStringDecoder &decoder)
{
    for (int b = 0x80; b < 256; ++b) {
        const char byte = char(b);
        const QString s = decoder.decode(QByteArrayView(&byte, 1));
        table[b] = s.size() == 1 ? char16_t(s.at(0).unicode()) : kReplacement;
    }
}

// Without a converter for a multi-byte page each lead byte and its trail byte
// become one replacement character, so the text keeps its length in characters.
void decodeUnknownMultiByte(std::string_view bytes, QString &out)
{
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.append(QChar(b));
        } else {
            out.append(QChar(kReplacement));
            ++i;
        }
    }
}

} // namespace

int codePageForCharset(int charset)
{
    for (const CharsetPage &entry : kCharsets) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 0;
}

char16_t symbolToUnicode(unsigned char byte)
{
    return byte < 0x20 ? char16_t(byte) : kSymbol[byte - 0x20];
}

char16_t symbolShown(char16_t ch)
{
    return ch >= 0xF020 && ch <= 0xF0FF ? symbolToUnicode(static_cast<unsigned char>(ch - 0xF000)) : ch;
}

int windows1252Byte(char16_t ch)
{
    if (ch >= 0x80 && ch < 0xA0)
        return -1; // C1 controls go out as \u, not as the page's printable bytes
    const std::optional<char> byte = Windows1252::byteOf(ch);
    return byte ? static_cast<unsigned char>(*byte) : -1;
}

TextDecoder::TextDecoder() = default;
TextDecoder::~TextDecoder() = default;

TextDecoder::Page TextDecoder::makePage(int codePage) const
{
    Page p;
    fillCp1252(p.table);
    if (codePage == CodePage::Windows1252)
        return p;
    if (codePage == CodePage::Symbol || codePage == CodePage::SymbolPrivate) {
        for (int b = 0x20; b < 256; ++b)
            p.table[b] = codePage == CodePage::Symbol ? kSymbol[b - 0x20] : char16_t(0xF000 + b);
        return p;
    }
    p.decoder = makeDecoder(codePage);
    p.doubleByte = isMultiByte(codePage);
    if (p.decoder && !p.doubleByte)
        fillFromDecoder(p.table, *p.decoder);
    return p;
}

TextDecoder::Page &TextDecoder::page(int codePage)
{
    if (codePage == m_lastCodePage)
        return *m_last;
    auto it = m_pages.find(codePage);
    if (it == m_pages.end()) {
        // looking a converter up is slow; a file naming ever new code pages gets Windows-1252
        if (m_pages.size() >= kMaxPages && codePage != CodePage::Windows1252)
            return page(CodePage::Windows1252);
        it = m_pages.emplace(codePage, std::make_unique<Page>(makePage(codePage))).first;
    }
    m_lastCodePage = codePage;
    m_last = it->second.get();
    return *m_last;
}

void TextDecoder::decode(int codePage, std::string_view bytes, QString &out)
{
    Page &p = page(codePage);
    if (p.doubleByte) {
        if (p.decoder)
            out.append(QString(p.decoder->decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())))));
        else
            decodeUnknownMultiByte(bytes, out);
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + qsizetype(bytes.size()));
    QChar *dst = out.data() + start;
    for (const char c : bytes)
        *dst++ = QChar(p.table[static_cast<unsigned char>(c)]);
}

} // namespace Rtf
