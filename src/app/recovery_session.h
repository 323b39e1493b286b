#pragma once
// The running program's recovery file: taken at start (offering back what a run that did not
// end deliberately left), kept up to date after every change of the answers, and removed by
// every deliberate end.

#include <QString>

class QGuiApplication;
class QWidget;
class RecoveryFile;

namespace Recovery {
// Asks over `over` (the start-up window) before anything else can be clicked.
void start(QWidget *over, const QString &folder);
// The file goes: the user chose to end the program.
void endDeliberately();
// Lets the file go and keeps it (end of main, between test cases).
void stop();
RecoveryFile *current();

// The desktop session is ending. With interaction the exit question decides; without, the
// program ends and the recovery file stays for the next start. False: cancel the logout.
bool sessionEnding(QWidget *parent, bool mayInteract);
void connectSession(QGuiApplication &app);
} // namespace Recovery
