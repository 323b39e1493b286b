#pragma once
// The multi-line box an answer is typed into: Enter starts a new line, Tab moves on to the
// next control, Esc does nothing. Its text uses CR LF line breaks, as the answers do.

#include <QPlainTextEdit>

class AnswerBox : public QPlainTextEdit {
    Q_OBJECT
public:
    AnswerBox(const QString &name, QWidget *parent);

    QString text() const;
    void setText(const QString &text);
};
