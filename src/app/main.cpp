#include "app/form.h"

#include <QApplication>
#include "resources/artwork.h"

#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kinscribe"));
    QApplication::setWindowIcon(programIcon());
    // The program ends only through its own commands, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    registerAllForms();
    Forms::show(QStringLiteral("frmSplash"));
    const int code = QApplication::exec();
    Forms::unloadAll();
    return code;
}
