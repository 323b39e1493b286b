// Renders every window of the program to a PNG file, so they can be looked at without a desktop:
//   QT_QPA_PLATFORM=offscreen render-windows OUTDIR [NAME...]
#include "shell/quiet_dialogs.h"
#include "app/register_forms.h"
#include "shell/form.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: render-windows OUTDIR [WINDOW...]\n";
        return 2;
    }
    QuietDialogs quiet;
    Dialogs::set(&quiet);
    registerAllForms();
    QDir out(args.first());
    out.mkpath(QStringLiteral("."));
    const QStringList names = args.size() > 1 ? args.mid(1) : Forms::registeredNames();
    int failures = 0;
    for (const QString &name : names) {
        Form *form = Forms::show(name);
        if (!form) {
            QTextStream(stderr) << "no window " << name << "\n";
            ++failures;
            continue;
        }
        QApplication::processEvents();
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (!form->grab().save(file))
            ++failures;
        form->hide();
    }
    Forms::unloadAll();
    return failures == 0 ? 0 : 1;
}
