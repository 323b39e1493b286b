#include "document/windows/editing/selection_format.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace SelectionFormat {
namespace {

// Visits the format of every run of characters in [start, end) until `visit` returns
// false; returns false when it was stopped. Paragraph breaks carry no run of their own.
template <typename Visit>
bool forEachRun(const QTextDocument *doc, int start, int end, Visit visit)
{
    for (QTextBlock b = doc->findBlock(start); b.isValid() && b.position() < end; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.position() + f.length() <= start)
                continue;
            if (f.position() >= end)
                break;
            if (!visit(f.charFormat()))
                return false;
        }
    }
    return true;
}

// Calls `differs` on each run of the selection, or on the typing format without one.
template <typename Differs>
bool anyDiffers(const QTextEdit *edit, Differs differs)
{
    const QTextCursor c = edit->textCursor();
    if (!c.hasSelection())
        return differs(edit->currentCharFormat());
    return !forEachRun(edit->document(), c.selectionStart(), c.selectionEnd(),
                       [&](const QTextCharFormat &f) { return !differs(f); });
}

QTextCharFormat firstFormat(const QTextEdit *edit)
{
    const QTextCursor c = edit->textCursor();
    QTextCharFormat first = edit->currentCharFormat();
    if (c.hasSelection())
        forEachRun(edit->document(), c.selectionStart(), c.selectionEnd(), [&](const QTextCharFormat &f) {
            first = f;
            return false;
        });
    return first;
}

QFont resolvedFont(const QTextEdit *edit, const QTextCharFormat &f)
{
    return f.font().resolve(edit->document()->defaultFont());
}

QColor resolvedColor(const QTextEdit *edit, const QTextCharFormat &f)
{
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        return f.foreground().color();
    return edit->palette().color(QPalette::Text);
}

} // namespace

QFont font(const QTextEdit *edit) { return resolvedFont(edit, firstFormat(edit)); }

QColor color(const QTextEdit *edit) { return resolvedColor(edit, firstFormat(edit)); }

bool sameLook(const QFont &a, const QFont &b)
{
    return a.family().compare(b.family(), Qt::CaseInsensitive) == 0 && a.weight() == b.weight()
        && a.italic() == b.italic() && qFuzzyCompare(a.pointSizeF(), b.pointSizeF())
        && a.underline() == b.underline() && a.strikeOut() == b.strikeOut();
}

bool fontWouldChange(const QTextEdit *edit, const QFont &chosen)
{
    return anyDiffers(edit, [&](const QTextCharFormat &f) { return !sameLook(resolvedFont(edit, f), chosen); });
}

bool colorWouldChange(const QTextEdit *edit, const QColor &chosen)
{
    return anyDiffers(edit, [&](const QTextCharFormat &f) { return resolvedColor(edit, f).rgba() != chosen.rgba(); });
}

} // namespace SelectionFormat
