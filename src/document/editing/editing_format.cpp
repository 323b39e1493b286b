// Font and Color of the selection through the common dialogs.
#include "document/editing/editing_commands.h"

#include "app/dialogs.h"
#include "document/editing/selection_format.h"

#include <QTextCharFormat>
#include <QTextEdit>

static QTextCharFormat fontFormat(const QFont &chosen)
{
    QTextCharFormat f;
    f.setFontFamilies({chosen.family()});
    f.setFontWeight(chosen.weight());
    f.setFontItalic(chosen.italic());
    if (chosen.pointSizeF() > 0)
        f.setFontPointSize(chosen.pointSizeF());
    f.setFontUnderline(chosen.underline());
    f.setFontStrikeOut(chosen.strikeOut());
    return f;
}

bool EditingCommands::chooseFont()
{
    const std::optional<QFont> chosen = Dialogs::get().font(m_window, SelectionFormat::font(m_edit));
    if (!chosen)
        return false;
    // Merging a format the text already has would still report a change.
    if (SelectionFormat::fontWouldChange(m_edit, *chosen))
        m_edit->mergeCurrentCharFormat(fontFormat(*chosen));
    return true;
}

bool EditingCommands::chooseColor()
{
    const std::optional<QColor> chosen = Dialogs::get().color(m_window, SelectionFormat::color(m_edit));
    if (!chosen || !chosen->isValid())
        return false;
    if (SelectionFormat::colorWouldChange(m_edit, *chosen)) {
        QTextCharFormat f;
        f.setForeground(*chosen);
        m_edit->mergeCurrentCharFormat(f);
    }
    return true;
}
