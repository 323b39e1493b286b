#pragma once
// A plain edit box in a window, with the editing commands over it, scripted dialogs, and
// a count of the edit box's change notifications (what marks the editor's document changed).

#include "document/windows/editing/editing_commands.h"
#include "scripted_dialogs.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QWidget>

using Outcome = EditingCommands::Outcome;
using Span = std::pair<int, int>; // start, length

struct EditFixture {
    explicit EditFixture(const QString &text = {})
    {
        window.setObjectName(QStringLiteral("frmTxtEditor"));
        edit->setPlainText(text);
        forgetChanges();
    }
    // What was done so far is setting up, not an edit to count.
    void forgetChanges()
    {
        textChanged.clear();
        contentsChanged.clear();
    }

    void select(int start, int length)
    {
        QTextCursor c = edit->textCursor();
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
    }
    void select(Span span) { select(span.first, span.second); }
    int selStart() const { return edit->textCursor().selectionStart(); }
    int selLength() const { return edit->textCursor().selectionEnd() - selStart(); }
    Span selection() const { return {selStart(), selLength()}; }
    // Both notifications must agree: the editor may listen to either.
    bool changed() const { return !textChanged.isEmpty() && !contentsChanged.isEmpty(); }
    bool untouched() const { return textChanged.isEmpty() && contentsChanged.isEmpty(); }

    QWidget window;
    QTextEdit *edit = new QTextEdit(&window);
    EditingCommands *commands = new EditingCommands(edit, &window);
    ScriptedDialogs dialogs;
    QSignalSpy textChanged{edit, &QTextEdit::textChanged};
    QSignalSpy contentsChanged{edit->document(), &QTextDocument::contentsChanged};
};
