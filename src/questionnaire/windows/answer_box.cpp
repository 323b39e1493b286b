#include "questionnaire/windows/answer_box.h"

#include "shell/spelling/spelling_view.h"

#include <QTextDocument>

AnswerBox::AnswerBox(const QString &name, QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SpellingView::attach(this);
}

QString AnswerBox::text() const
{
    const QString shown = shownText();
    return shown == m_shownWhenGiven ? m_given : shown;
}

QString AnswerBox::shownText() const
{
    // The raw text keeps what was typed (no-break spaces included); both kinds of break the
    // box makes (Enter, Shift+Enter) become the CR LF the rest of the program expects.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    raw.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return raw;
}

void AnswerBox::setText(const QString &text)
{
    setPlainText(text);
    m_given = text;
    m_shownWhenGiven = shownText();
    // Typing after opening a page goes on from the end of the stored answer.
    moveCursor(QTextCursor::End);
}
