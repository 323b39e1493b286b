#pragma once
// Dialogs that answer at once with the default (No to a Yes/No question, OK otherwise) and
// cancel every file, font, colour and print dialog: for tools and benchmarks that drive the
// windows without a person in front of them.

#include "shell/dialogs.h"

class QuietDialogs : public Dialogs {
public:
    int message(QWidget *, const QString &, int style, const QString &) override
    {
        return (style & 7) == MsgStyle::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFile(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QString> saveFile(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QFont> font(QWidget *, const QFont &) override { return {}; }
    std::optional<QColor> color(QWidget *, const QColor &) override { return {}; }
    bool setupPrinter(QWidget *, QPrinter &) override { return false; }
    void endProgram() override {}
};
