#pragma once
// The multi-line box an answer is typed into: Enter starts a new line, Tab moves on to the
// next control, Esc does nothing. Its text uses CR LF line breaks, as the answers do; an
// answer it was given comes back exactly as given (a lone CR or LF, control characters)
// until the user changes what the box shows.

#include <QPlainTextEdit>

class AnswerBox : public QPlainTextEdit {
    Q_OBJECT
public:
    AnswerBox(const QString &name, QWidget *parent);

    QString text() const;
    void setText(const QString &text);

private:
    // What the box shows, its breaks as CR LF.
    QString shownText() const;

    QString m_given; // the text last set
    QString m_shownWhenGiven;
};
