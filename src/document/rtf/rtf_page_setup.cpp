#include "document/rtf/rtf_page_setup.h"

#include "document/rtf/rtf_format.h"

#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <cctype>

namespace Rtf {

bool isSectionBreakKind(std::string_view name)
{
    return name.substr(0, 3) == "sbk";
}

PageSetup pageSetup(const QTextDocument &doc)
{
    return doc.rootFrame()->frameFormat().property(PageSetupProperty).value<PageSetup>();
}

void setPageSetup(QTextDocument &doc, const PageSetup &setup)
{
    QTextFrameFormat f = doc.rootFrame()->frameFormat();
    f.setProperty(PageSetupProperty, QVariant::fromValue(setup));
    doc.rootFrame()->setFrameFormat(f);
}

PageGeometry pageGeometry(const PageSetup &setup)
{
    PageGeometry g;
    const auto take = [&](int &into, const char *document, const char *section) {
        into = setup.sectionWords.value(section, setup.documentWords.value(document, into));
    };
    take(g.width, "paperw", "pgwsxn");
    take(g.height, "paperh", "pghsxn");
    take(g.left, "margl", "marglsxn");
    take(g.right, "margr", "margrsxn");
    take(g.top, "margt", "margtsxn");
    take(g.bottom, "margb", "margbsxn");
    g.landscape = setup.sectionWords.contains("lndscpsxn") || setup.documentWords.contains("landscape");
    return g;
}

namespace {

constexpr std::string_view kFontWords[] = {"f", "af"};
constexpr std::string_view kColorWords[] = {"cf", "cb", "highlight", "chcbpat", "chcfpat", "cbpat",
                                            "cfpat", "brdrcf", "clcbpat", "clcfpat", "trcbpat",
                                            "trcfpat", "ulc"};

std::optional<Numbered> numbered(std::string_view word)
{
    if (std::find(std::begin(kFontWords), std::end(kFontWords), word) != std::end(kFontWords))
        return Numbered::Font;
    if (std::find(std::begin(kColorWords), std::end(kColorWords), word) != std::end(kColorWords))
        return Numbered::Color;
    return std::nullopt;
}

bool isLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c));
}

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c));
}

} // namespace

QByteArray renumbered(const QByteArray &group, const std::function<int(Numbered, int)> &number)
{
    QByteArray out;
    out.reserve(group.size());
    const char *p = group.constData(), *end = p + group.size();
    while (p < end) {
        if (*p != '\\' || p + 1 >= end || !isLetter(p[1])) {
            const int n = *p == '\\' && p + 1 < end ? 2 : 1; // an escaped byte stays as it is
            out.append(p, n);
            p += n;
            continue;
        }
        const char *name = ++p;
        while (p < end && isLetter(*p))
            ++p;
        const std::string_view word(name, size_t(p - name));
        const char *digits = p;
        if (p < end && *p == '-')
            ++p;
        while (p < end && isDigit(*p))
            ++p;
        const QByteArray param(digits, p - digits);
        out.append('\\').append(name, qsizetype(word.size()));
        const std::optional<Numbered> kind = numbered(word);
        if (kind && !param.isEmpty() && param != "-") {
            out.append(QByteArray::number(number(*kind, param.toInt())));
        } else {
            out.append(param);
            if (word == "bin" && !param.isEmpty()) { // binary data may hold any byte
                if (p < end && *p == ' ')
                    out.append(*p++);
                const qsizetype n = std::clamp<qsizetype>(param.toLongLong(), 0, end - p);
                out.append(p, n);
                p += n;
            }
        }
    }
    return out;
}

} // namespace Rtf
