#include "document/pages/page_setup.h"

#include "document/rtf/rtf_page_setup.h"

#include <QTextDocument>
#include <QVariant>

#include <algorithm>

namespace {
// Kept on the document object itself, so it follows the document wherever it goes.
constexpr char kLayoutProperty[] = "kinscribePageLayout";
constexpr qreal kMarginInches = 1.0;

// The page an opened RTF file named, if it named one: its paper or margins, in twips.
std::optional<QPageLayout> layoutFromFile(const QTextDocument &document)
{
    static const char *const kPageWords[] = {"paperw", "paperh", "margl", "margr", "margt", "margb",
                                             "landscape", "pgwsxn", "pghsxn", "marglsxn", "margrsxn",
                                             "margtsxn", "margbsxn", "lndscpsxn"};
    const Rtf::PageSetup setup = Rtf::pageSetup(document);
    const bool named = std::any_of(std::begin(kPageWords), std::end(kPageWords), [&](const char *word) {
        return setup.documentWords.contains(word) || setup.sectionWords.contains(word);
    });
    if (!named)
        return std::nullopt;
    const Rtf::PageGeometry g = Rtf::pageGeometry(setup);
    if (g.width <= 0 || g.height <= 0)
        return std::nullopt;
    // QPageLayout takes the paper upright and turns it for landscape; RTF gives it as laid.
    const bool turned = g.landscape && g.width > g.height;
    const QSizeF upright = turned ? QSizeF(g.height, g.width) : QSizeF(g.width, g.height);
    const QPageSize size(upright / 20.0, QPageSize::Point, QString(), QPageSize::FuzzyMatch);
    const QMarginsF margins(g.left / 20.0, g.top / 20.0, g.right / 20.0, g.bottom / 20.0);
    return QPageLayout(size, turned ? QPageLayout::Landscape : QPageLayout::Portrait, margins,
                       QPageLayout::Point);
}
} // namespace

QPageSize::PageSizeId paperOfTerritory(QLocale::Territory territory)
{
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada;
    return letter ? QPageSize::Letter : QPageSize::A4;
}

std::optional<QPageSize::PageSizeId> paperOfLocaleName(const QByteArray &name)
{
    if (name.isEmpty())
        return std::nullopt;
    // "en_US.UTF-8@euro": only the language and territory say anything about paper.
    QByteArray base = name;
    for (const char mark : {'.', '@'}) {
        if (const qsizetype at = base.indexOf(mark); at >= 0)
            base.truncate(at);
    }
    return paperOfTerritory(QLocale(QString::fromLatin1(base)).territory());
}

QPageSize userPaper()
{
    for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        if (const auto paper = paperOfLocaleName(qgetenv(variable)))
            return QPageSize(*paper);
    }
    return QPageSize(paperOfTerritory(QLocale::system().territory()));
}

QPageLayout userPageLayout()
{
    const QMarginsF margins(kMarginInches, kMarginInches, kMarginInches, kMarginInches);
    return QPageLayout(userPaper(), QPageLayout::Portrait, margins, QPageLayout::Inch);
}

std::optional<QPageLayout> ownPageLayout(const QTextDocument &document)
{
    const QVariant own = document.property(kLayoutProperty);
    if (own.canConvert<QPageLayout>() && own.value<QPageLayout>().isValid())
        return own.value<QPageLayout>();
    return layoutFromFile(document);
}

QPageLayout documentPageLayout(const QTextDocument &document)
{
    return ownPageLayout(document).value_or(userPageLayout());
}

void setDocumentPageLayout(QTextDocument &document, const QPageLayout &layout)
{
    document.setProperty(kLayoutProperty, QVariant::fromValue(layout));
}
