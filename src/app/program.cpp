#include "app/program.h"
#include "shell/window_names.h"
#include "app/register_forms.h"

#include "shell/form.h"
#include "app/recovery_session.h"
#include "document/recovery/recovery_file.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QIcon>

Program::Program(QApplication &app)
{
    QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));
    QApplication::setWindowIcon(programIcon());
    // The program ends only through its own commands, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    registerAllForms();
    m_splash = Forms::show(QLatin1String(WindowName::Splash));
    Recovery::connectSession(app);
    m_recovery = RecoverySession::start(m_splash, RecoveryFile::defaultFolder());
}

Program::~Program()
{
    m_recovery.reset();
    Forms::unloadAll();
}
