#include "app/program.h"
#include "shell/window_names.h"
#include "app/register_forms.h"

#include "shell/form.h"
#include "app/recovery_session.h"
#include "document/recovery/recovery_file.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QIcon>

Form *startProgram(QApplication &app)
{
    QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));
    QApplication::setWindowIcon(programIcon());
    // The program ends only through its own commands, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    registerAllForms();
    Form *splash = Forms::show(QLatin1String(WindowName::Splash));
    Recovery::connectSession(app);
    Recovery::start(splash, RecoveryFile::defaultFolder());
    return splash;
}

void finishProgram()
{
    Recovery::stop();
    Forms::unloadAll();
}
