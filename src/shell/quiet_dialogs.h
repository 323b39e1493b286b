#pragma once
// Dialogs that answer at once with the default (No to a Yes/No question, OK otherwise) and
// cancel every file, font, colour and print dialog: for tools and benchmarks that drive the
// windows without a person in front of them.

#include "shell/dialogs.h"

class QuietDialogs : public Dialogs {
public:
    MessageAnswer message(QWidget *, const QString &, const MessageRequest &request, const QString &) override
    {
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFile(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QString> saveFile(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QFont> font(QWidget *, const QFont &) override { return {}; }
    std::optional<QColor> color(QWidget *, const QColor &) override { return {}; }
    bool setupPrinter(QWidget *, QPrinter &) override { return false; }
    void endProgram() override {}
};
