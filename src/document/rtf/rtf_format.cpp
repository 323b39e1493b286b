#include "document/rtf/rtf_format.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <algorithm>

namespace Rtf {

bool isCellProperty(int key)
{
    return (key >= QTextFormat::TableCellRowSpan && key < QTextFormat::ImageName) || key == CellBordersProperty
        || key == RowHeightProperty || key == CellAlignProperty || key == CellBorderStylesProperty;
}

const FontEntry *DocumentTables::font(int number) const
{
    auto it = fonts.find(number < 0 ? defaultFont : number);
    if (it == fonts.end()) // a font missing from the table is shown in the default font
        it = fonts.find(defaultFont);
    return it == fonts.end() ? nullptr : &it->second;
}

const FontEntry *DocumentTables::shownFont(int number) const
{
    const FontEntry *entry = font(number);
    if (entry && entry->family.isEmpty()) // a font without a name is shown in the default font
        entry = font(defaultFont);
    return entry;
}

QTextCharFormat DocumentTables::charFormat(const CharProps &props) const
{
    QTextCharFormat f;
    const FontEntry *entry = shownFont(props.font);
    if (entry && !entry->family.isEmpty()) {
        f.setFontFamilies({entry->family});
        f.setProperty(FamilyKeyProperty, entry->family);
    }
    f.setFontPointSize(props.halfPoints / 2.0);
    if (props.has(CharProps::Bold))
        f.setFontWeight(QFont::Bold);
    if (props.has(CharProps::Italic))
        f.setFontItalic(true);
    if (props.has(CharProps::Underline))
        f.setFontUnderline(true);
    if (props.has(CharProps::Strike))
        f.setFontStrikeOut(true);
    if (props.has(CharProps::AllCaps))
        f.setFontCapitalization(QFont::AllUppercase);
    else if (props.has(CharProps::SmallCaps))
        f.setFontCapitalization(QFont::SmallCaps);
    if (props.has(CharProps::Super))
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.has(CharProps::Sub))
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (props.raise != 0) {
        f.setProperty(RaiseProperty, props.raise);
        f.setBaselineOffset(100.0 * props.raise / std::max(props.halfPoints, 1));
    }
    if (props.kerning >= 0) {
        f.setFontKerning(props.kerning > 0);
        f.setProperty(KerningProperty, props.kerning);
    }
    if (props.has(CharProps::Hidden))
        f.setProperty(HiddenProperty, true);
    if (props.color > 0 && props.color < colors.size() && colors.at(props.color).isValid())
        f.setForeground(colors.at(props.color));
    if (props.link >= 0 && props.link < links.size()) {
        f.setAnchor(true);
        f.setAnchorHref(links.at(props.link));
    }
    return f;
}

const ListLevel *DocumentTables::listLevel(const ParaProps &props) const
{
    if (props.list < 0)
        return -props.list <= oldLists.size() ? &oldLists.at(-props.list - 1) : nullptr;
    const auto override = listOverrides.find(props.list);
    if (props.list == 0 || override == listOverrides.end())
        return nullptr;
    const auto list = lists.find(override->second);
    if (list == lists.end() || list->second.isEmpty())
        return nullptr;
    return &list->second.at(std::clamp<qsizetype>(props.level, 0, list->second.size() - 1));
}

QTextBlockFormat DocumentTables::blockFormat(const ParaProps &props)
{
    QTextBlockFormat f;
    switch (props.align) {
    case ParaProps::Left: break;
    case ParaProps::Center: f.setAlignment(Qt::AlignHCenter); break;
    case ParaProps::Right: f.setAlignment(Qt::AlignRight); break;
    case ParaProps::Justify: f.setAlignment(Qt::AlignJustify); break;
    }
    setParagraphSpacing(f, props);
    if (!props.borders.isEmpty())
        f.setProperty(ParagraphBordersProperty, QString::fromLatin1(props.borders));
    return f;
}

} // namespace Rtf
