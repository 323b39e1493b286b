#include "document/rtf/rtf_format.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace Rtf {

const FontEntry *DocumentTables::font(int number) const
{
    auto it = fonts.find(number < 0 ? defaultFont : number);
    if (it == fonts.end()) // a font missing from the table is shown in the default font
        it = fonts.find(defaultFont);
    return it == fonts.end() ? nullptr : &it->second;
}

QTextCharFormat DocumentTables::charFormat(const CharProps &props) const
{
    QTextCharFormat f;
    if (const FontEntry *entry = font(props.font); entry && !entry->family.isEmpty())
        f.setFontFamilies({entry->family});
    f.setFontPointSize(props.halfPoints / 2.0);
    if (props.has(CharProps::Bold))
        f.setFontWeight(QFont::Bold);
    if (props.has(CharProps::Italic))
        f.setFontItalic(true);
    if (props.has(CharProps::Underline))
        f.setFontUnderline(true);
    if (props.has(CharProps::Strike))
        f.setFontStrikeOut(true);
    if (props.color > 0 && props.color < colors.size() && colors.at(props.color).isValid())
        f.setForeground(colors.at(props.color));
    return f;
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
    return f;
}

} // namespace Rtf
