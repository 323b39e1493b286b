#pragma once
// Reading the character format of an edit box's selection, and telling whether a new
// font or colour would change any of it. Without a selection the format in question is
// the one that text typed next takes.

#include <QColor>
#include <QFont>

class QTextEdit;

namespace SelectionFormat {

// The font of the first selected character, its open properties taken from the document.
QFont font(const QTextEdit *edit);
// The colour of the first selected character; text without a colour of its own shows
// the edit box's text colour.
QColor color(const QTextEdit *edit);

// Whether applying these to the selection would leave some character looking different.
bool fontWouldChange(const QTextEdit *edit, const QFont &chosen);
bool colorWouldChange(const QTextEdit *edit, const QColor &chosen);

// What the Font command applies: name, weight, italic, size, underline and strikethrough.
bool sameLook(const QFont &a, const QFont &b);

} // namespace SelectionFormat
