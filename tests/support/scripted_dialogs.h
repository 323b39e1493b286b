#pragma once
// Answers the dialog layer from a script and records every question exactly as asked.

#include "shell/dialogs.h"

#include <QList>
#include <deque>
#include <functional>

struct DialogCall {
    enum Kind { Message, Input, OpenFile, SaveFile, Font, Color, Print, End, Preview };
    Kind kind;
    QString title;
    QString text;  // message text or input prompt
    MessageRequest request; // a message box's icon, buttons and default button
    FileDialogRequest file;
    QFont font;
    QColor color;
    QString parentName; // objectName of the parent window, if any
    QString initial;    // the text an input box offers
};

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();  // installs itself
    ~ScriptedDialogs() override; // restores the real dialogs

    // Queue the answers, in the order the program will ask.
    ScriptedDialogs &answer(MessageAnswer button);               // message box
    ScriptedDialogs &answerText(std::optional<QString> text);    // input box
    ScriptedDialogs &answerFile(std::optional<QString> path);    // open or save dialog
    ScriptedDialogs &answerFont(std::optional<QFont> font);
    ScriptedDialogs &answerColor(std::optional<QColor> color);
    ScriptedDialogs &answerPrintToPdf(std::optional<QString> pdfPath); // nullopt: cancel
    // The preview draws its pages into a PDF file, as a printer chosen from it would get them;
    // nullopt: the preview is closed without printing.
    ScriptedDialogs &answerPreviewToPdf(std::optional<QString> pdfPath);

    QList<DialogCall> calls;
    int endCount = 0;            // how often the program was ended
    QStringList unexpected;      // calls that found no scripted answer
    std::function<void(const DialogCall &)> onCall; // runs when a dialog opens, before it answers
    // Progress dialogs are not in `calls`: they show only when work is slow.
    QStringList progressTexts;   // every progress dialog asked for
    int progressAdvances = 0;    // reports made to them, all together
    int cancelProgressAt = -1;   // Cancel is pressed at this report (counted from 1); -1: never

    int pendingAnswers() const { return int(m_replies.size()); }
    // The message boxes among the calls from `from` on, and how many dialogs of a kind opened.
    QList<DialogCall> messages(qsizetype from = 0) const;
    int count(DialogCall::Kind kind) const;

    MessageAnswer message(QWidget *parent, const QString &text, const MessageRequest &request,
                          const QString &title) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                 const QString &initial) override;
    std::optional<QString> openFile(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> color(QWidget *parent, const QColor &initial) override;
    bool setupPrinter(QWidget *parent, QPrinter &printer) override;
    void printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    void endProgram() override;
    std::unique_ptr<WorkProgress> progress(QWidget *parent, const QString &text, const QString &title) override;

private:
    struct Reply {
        DialogCall::Kind kind;
        MessageAnswer button = MessageAnswer::Cancel;
        std::optional<QString> text;
        std::optional<QFont> font;
        std::optional<QColor> color;
    };
    std::optional<Reply> take(DialogCall::Kind kind, DialogCall call);
    std::deque<Reply> m_replies;
};

// The exit question exactly as the program asks it.
bool isExitQuestion(const DialogCall &call);

// How QCOMPARE shows a request that differs: "Yes/No, exclamation, second button default".
char *toString(const MessageRequest &request);
