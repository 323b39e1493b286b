#pragma once
// Every message box, input box, common dialog and the end of the program pass through
// here, so tests can answer them by script and see exactly what was asked.

#include "document/reading/work_progress.h"
#include "shell/message_request.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class QPrinter;

struct FileDialogRequest {
    QString title;
    QString filter;        // "Rich Text Files (*.rtf)|*.rtf|All Files (*.*)|*.*"
    QString fileName;      // initial name
    QString defaultSuffix; // added to a name typed without extension, e.g. "rtf"
    bool overwritePrompt = false;
    QStringList sidePanelFolders; // shown in the dialog's side panel besides the usual places
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The title is "Kinscribe" unless a caller says otherwise.
    virtual MessageAnswer message(QWidget *parent, const QString &text, const MessageRequest &request,
                                  const QString &title) = 0;
    // No value when cancelled.
    virtual std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                         const QString &initial = {}) = 0;
    virtual std::optional<QString> openFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;
    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial) = 0;
    // Lets the user choose and set up a printer (or a PDF file); false when cancelled.
    virtual bool setupPrinter(QWidget *parent, QPrinter &printer) = 0;
    // Shows the pages `paint` draws on the printer, from where the user may print them (`paint`
    // runs again on the printer chosen). By default nothing is shown.
    virtual void printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint);
    // Ends the program at once: leaves the event loop without closing any window.
    virtual void endProgram() = 0;
    // A progress dialog with Cancel for long work. It shows itself only once the work looks
    // like taking more than about half a second, and closes when the object goes. By default
    // nothing is shown and the work is never stopped.
    virtual std::unique_ptr<WorkProgress> progress(QWidget *parent, const QString &text, const QString &title);

    static Dialogs &get();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void set(Dialogs *replacement);
};

// "A (*.a)|*.a|B (*.b)|*.b" -> "A (*.a);;B (*.b)"
QString qtFileFilter(const QString &pipeFilter);

class QtDialogs : public Dialogs {
public:
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
};
