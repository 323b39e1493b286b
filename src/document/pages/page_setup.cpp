#include "document/pages/page_setup.h"

#include <QTextDocument>
#include <QVariant>

namespace {
// Kept on the document object itself, so it follows the document wherever it goes.
constexpr char kLayoutProperty[] = "kinscribePageLayout";
constexpr qreal kMarginInches = 1.0;
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
    if (!own.canConvert<QPageLayout>() || !own.value<QPageLayout>().isValid())
        return std::nullopt;
    return own.value<QPageLayout>();
}

QPageLayout documentPageLayout(const QTextDocument &document)
{
    return ownPageLayout(document).value_or(userPageLayout());
}

void setDocumentPageLayout(QTextDocument &document, const QPageLayout &layout)
{
    document.setProperty(kLayoutProperty, QVariant::fromValue(layout));
}
