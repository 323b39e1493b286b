// Pictures and fields both ways. PNG and JPEG pictures are shown at their goal size
// and written back from their own bytes; pictures Qt cannot draw (metafiles, bitmaps)
// are kept as a placeholder holding their RTF, written back unchanged. HYPERLINK
// fields become links; other fields keep their result text.

#include "document/rtf/rtf_parser.h"
#include "document/reading/document_limits.h"
#include "document/rtf/rtf_writer.h"

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace Rtf {

namespace {

const QString kPicturePrefix = QStringLiteral("rtf-picture:");
const QString kKeptPrefix = QStringLiteral("rtf-kept-picture:");
using RtfLimits::kMaxLinks;
using RtfLimits::kMaxPictures;

struct Picture
{
    int kind = 0; // 1 PNG, 2 JPEG, 0 anything else
    int width = 0, height = 0, goalWidth = 0, goalHeight = 0;
    int scaleX = 100, scaleY = 100;
    QByteArray data;
};

Picture parsePicture(QByteArrayView body)
{
    Picture p;
    Tokenizer tok(body);
    int pending = -1; // a high hex digit waiting for its pair
    for (Token t = tok.next(); t.type != TokenType::End; t = tok.next()) {
        if (t.type == TokenType::GroupOpen) {
            tok.skipGroup(); // \*\blipuid, \picprop
        } else if (t.type == TokenType::Binary) {
            p.data.append(t.text.data(), qsizetype(t.text.size()));
        } else if (t.type == TokenType::Text) {
            for (const char c : t.text) {
                const int d = hexValue(c);
                if (d < 0)
                    continue;
                if (pending < 0) {
                    pending = d;
                } else {
                    p.data.append(char(pending * 16 + d));
                    pending = -1;
                }
            }
        } else if (t.type == TokenType::ControlWord) {
            const ControlWordInfo &w = controlWord(t.text);
            const int v = std::clamp(t.param, 0, RtfLimits::kMaxNumber);
            switch (w.action) {
            case Action::PictureKind: p.kind = w.value; break;
            case Action::PictureWidth: p.width = v; break;
            case Action::PictureHeight: p.height = v; break;
            case Action::PictureGoalWidth: p.goalWidth = v; break;
            case Action::PictureGoalHeight: p.goalHeight = v; break;
            case Action::PictureScaleX: p.scaleX = std::clamp(v, 1, 1000); break;
            case Action::PictureScaleY: p.scaleY = std::clamp(v, 1, 1000); break;
            default: break;
            }
        }
    }
    return p;
}

// In pixels; 0 leaves the picture at its own size. Never beyond what the writer can say again.
double shownSize(int goal, int pixels, int scale)
{
    const double size = (goal > 0 ? goal / kTwipsPerPixel : pixels) * scale / 100.0;
    return std::min(size, RtfLimits::kMaxNumber / kTwipsPerPixel);
}

int bigEndian(QByteArrayView data, qsizetype at, int bytes)
{
    int value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | static_cast<unsigned char>(data.at(at + i));
    return value;
}

// A PNG's or JPEG's own size from its header, without decoding it (a decoder would complain
// on the console about pictures cut short).
QSize ownSize(QByteArrayView data)
{
    if (data.startsWith("\x89PNG"))
        return data.size() >= 24 ? QSize(bigEndian(data, 16, 4), bigEndian(data, 20, 4)) : QSize();
    for (qsizetype at = 2; at + 9 <= data.size() && data.at(at) == '\xFF';) { // JPEG segments
        const int marker = static_cast<unsigned char>(data.at(at + 1));
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return QSize(bigEndian(data, at + 7, 2), bigEndian(data, at + 5, 2)); // start of frame
        at += 2 + bigEndian(data, at + 2, 2);
    }
    return {};
}

// The target of a HYPERLINK instruction: its first argument, or "#" and its \l anchor.
QString hyperlinkTarget(const QString &instruction)
{
    static const QRegularExpression word(QStringLiteral(R"re(\s*("([^"]*)"?|\\(\S)|(\S+)))re"));
    QString target, anchor;
    bool anchorNext = false, skipNext = false;
    for (auto it = word.globalMatch(instruction, 9); it.hasNext();) { // after "HYPERLINK"
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(3)) { // a switch: \l takes the anchor, \o \t \m \n their argument
            anchorNext = m.captured(3) == QLatin1String("l");
            skipNext = !anchorNext && m.captured(3) != QLatin1String("n") && m.captured(3) != QLatin1String("m");
            continue;
        }
        const QString arg = m.capturedLength(2) || m.captured(1).startsWith(u'"') ? m.captured(2) : m.captured(4);
        if (anchorNext)
            anchor = arg;
        else if (!skipNext && target.isEmpty())
            target = arg;
        anchorNext = skipNext = false;
    }
    if (!anchor.isEmpty())
        target += u'#' + anchor;
    // as a link is written back: no control characters or object markers, quotes encoded
    target.removeIf([](QChar c) { return c.unicode() < 0x20 || c == QChar(0xFDD0) || c == QChar(0xFDD1) || c == QChar(0xFFFC); });
    return target.replace(u'"', QStringLiteral("%22"));
}

// A field instruction's text: bytes in the document's code page, other characters as \u
// (their fallback characters skipped), \\ \{ \} what they escape; other words are no text.
QString instructionText(QByteArrayView rtf, TextDecoder &decoder, int codePage, int uc)
{
    Tokenizer tok(rtf);
    QString out;
    std::string bytes;
    int skip = 0;
    const auto flush = [&] {
        decoder.decode(codePage, bytes, out);
        bytes.clear();
    };
    for (Token t = tok.next(); t.type != TokenType::End; t = tok.next()) {
        if (t.type == TokenType::Text || t.type == TokenType::HexByte) {
            const std::string_view piece = t.type == TokenType::Text
                ? t.text : std::string_view(reinterpret_cast<const char *>(&t.byte), 1);
            const size_t skipped = std::min(size_t(skip), piece.size());
            skip -= int(skipped);
            bytes.append(piece.substr(skipped));
        } else if (t.type == TokenType::ControlWord && t.text == "u" && t.hasParam) {
            flush();
            const int c = t.param < 0 ? t.param + 0x10000 : t.param;
            out += QChar(c >= 0 && c <= 0xFFFF ? char16_t(c) : char16_t(0xFFFD));
            skip = uc;
        } else if (skip > 0 && t.type != TokenType::GroupOpen && t.type != TokenType::GroupClose) {
            --skip; // a word counts as one fallback character
        } else if (t.type == TokenType::ControlWord && t.text == "uc") {
            uc = std::max(t.param, 0);
        } else if (t.type == TokenType::ControlSymbol && (t.symbol == '\\' || t.symbol == '{' || t.symbol == '}')) {
            bytes += t.symbol;
        }
        if (t.type == TokenType::GroupOpen || t.type == TokenType::GroupClose)
            skip = 0;
    }
    flush();
    return out;
}

} // namespace

void Parser::picture()
{
    if (m_groups.size() <= 1 || top().dest != Dest::Text)
        return skipDestination();
    const char *start = m_tok.position();
    const bool closed = m_tok.skipGroup();
    const QByteArrayView body(start, m_tok.position() - start - (closed ? 1 : 0));
    m_groups.pop_back();
    m_ucSkip = 0;
    m_star = false;
    QTextDocument *doc = m_builder.document();
    if (!closed || m_pictures >= kMaxPictures)
        return;
    const Picture p = parsePicture(body);
    QTextImageFormat f;
    QVariant resource;
    const bool drawable = (p.kind == 1 && p.data.startsWith("\x89PNG")) || (p.kind == 2 && p.data.startsWith("\xFF\xD8"));
    if (drawable) {
        f.setName(kPicturePrefix + QString::number(++m_pictures));
        resource = p.data;
    } else { // kept as it came; Qt draws its placeholder for it
        f.setName(kKeptPrefix + QString::number(++m_pictures));
        resource = QByteArray("{\\pict ") + QByteArray(body.data(), body.size()) + '}';
    }
    QSize pixels(p.width, p.height);
    if (drawable)
        pixels = ownSize(p.data);
    if (const double w = shownSize(p.goalWidth, p.scaleX == 100 && drawable ? 0 : pixels.width(), p.scaleX); w > 0)
        f.setWidth(w);
    if (const double h = shownSize(p.goalHeight, p.scaleY == 100 && drawable ? 0 : pixels.height(), p.scaleY); h > 0)
        f.setHeight(h);
    doc->addResource(QTextDocument::ImageResource, QUrl(f.name()), resource);
    m_builder.appendImage(f, top().chr, top().para);
}

void Parser::fieldInstruction()
{
    if (m_groups.size() <= 1)
        return;
    const char *start = m_tok.position();
    m_tok.skipGroup();
    QString instruction = instructionText(QByteArrayView(start, m_tok.position() - start), m_decoder,
                                          m_ansiCodePage, top().uc);
    m_groups.pop_back();
    m_ucSkip = 0;
    m_star = false;
    instruction = instruction.trimmed();
    if (!instruction.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return;
    const QString target = hyperlinkTarget(instruction);
    if (target.isEmpty() || m_tables.links.size() >= kMaxLinks)
        return;
    if (m_tables.links.isEmpty() || m_tables.links.constLast() != target)
        m_tables.links.append(target);
    top().chr.link = int(m_tables.links.size() - 1); // the field's result is the link
}

void Writer::writePicture(const QTextImageFormat &f)
{
    const QVariant resource = m_doc.resource(QTextDocument::ImageResource, QUrl(f.name()));
    QByteArray data = resource.toByteArray();
    if (f.name().startsWith(kKeptPrefix) && data.startsWith("{\\pict")) {
        m_esc.raw(std::string_view(data.constData(), size_t(data.size())));
        return;
    }
    const bool jpeg = data.startsWith("\xFF\xD8");
    if (!jpeg && !data.startsWith("\x89PNG")) {
        const QImage image = resource.value<QImage>();
        if (image.isNull())
            return; // nothing to write: the picture's character has no text
        data.clear();
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    const QSize pixels = ownSize(data);
    m_esc.raw("{");
    m_esc.word("pict");
    m_esc.word(jpeg ? "jpegblip" : "pngblip");
    m_esc.word("picw", std::max(pixels.width(), 1));
    m_esc.word("pich", std::max(pixels.height(), 1));
    if (f.width() > 0)
        m_esc.word("picwgoal", int(std::lround(f.width() * kTwipsPerPixel)));
    if (f.height() > 0)
        m_esc.word("pichgoal", int(std::lround(f.height() * kTwipsPerPixel)));
    m_esc.raw("\n");
    const QByteArray hex = data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        m_esc.raw(std::string_view(hex.constData() + i, size_t(std::min<qsizetype>(128, hex.size() - i))));
        m_esc.raw("\n");
    }
    m_esc.raw("}");
}

} // namespace Rtf
