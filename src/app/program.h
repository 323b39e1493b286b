#pragma once
// The program's start and end, shared by main() and the tests that run it as a child process.

#include <memory>

class Form;
class QApplication;
class RecoverySession;

class Program {
public:
    // Names the program, registers its windows, shows the start-up window and takes the recovery
    // file (asking over the start-up window about one a crashed run left).
    explicit Program(QApplication &app);
    // After the event loop: every window goes; the recovery file stays unless the end was deliberate.
    ~Program();

    Form *splash() const { return m_splash; }
    // Nothing when no recovery file could be kept in this run.
    RecoverySession *recovery() const { return m_recovery.get(); }

private:
    Form *m_splash = nullptr;
    std::unique_ptr<RecoverySession> m_recovery;
};
