// Font and Color of the selection through the common dialogs.
#include "document/windows/editing/editing_commands.h"

#include "shell/dialogs.h"
#include "document/windows/editing/selection_format.h"

#include <QFontInfo>
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

// The dialog shows the family the document's name resolves to (fontconfig puts Liberation
// Sans for "arial"), which it can preselect; that family coming back unchanged means the
// document's own name, so OK alone leaves every character as it was.
EditingCommands::Outcome EditingCommands::chooseFont()
{
    QFont initial = SelectionFormat::font(m_edit);
    const QString named = initial.family();
    const QString shown = QFontInfo(initial).family();
    initial.setFamily(shown);
    std::optional<QFont> chosen = Dialogs::get().font(m_window, initial);
    if (!chosen)
        return Outcome::Cancelled;
    if (chosen->family().compare(shown, Qt::CaseInsensitive) == 0)
        chosen->setFamily(named);
    // Merging a format the text already has would still report a change.
    if (!SelectionFormat::fontWouldChange(m_edit, *chosen))
        return Outcome::Unchanged;
    m_edit->mergeCurrentCharFormat(fontFormat(*chosen));
    return Outcome::Applied;
}

EditingCommands::Outcome EditingCommands::chooseColor()
{
    const std::optional<QColor> chosen = Dialogs::get().color(m_window, SelectionFormat::color(m_edit));
    if (!chosen || !chosen->isValid())
        return Outcome::Cancelled;
    if (!SelectionFormat::colorWouldChange(m_edit, *chosen))
        return Outcome::Unchanged;
    QTextCharFormat f;
    f.setForeground(*chosen);
    m_edit->mergeCurrentCharFormat(f);
    return Outcome::Applied;
}
