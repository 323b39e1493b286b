#pragma once
// The running program's recovery file: taken at start (offering back what a run that did not
// end deliberately left), kept up to date while the user works (answers at once, the editor's
// document and the pages' typing a short pause after typing stops), and removed by a
// deliberate end once what it holds is safe in a file, or after Yes on the exit question.
// The program's start owns the session; it lives as long as the program works.

#include <QList>
#include <QMetaObject>
#include <QString>
#include <memory>

class QGuiApplication;
class QWidget;
class RecoveryFile;
class SafetyCopy;

class RecoverySession {
public:
    // Asks over `over` (the start-up window) before anything else can be clicked. Nothing
    // when no file can be held (the user is told) or the one left must not be written over.
    static std::unique_ptr<RecoverySession> start(QWidget *over, const QString &folder);
    // Writes what waits and lets the file go, keeping it for the next start.
    ~RecoverySession();

    // Writes what waits for its pause now, and waits for the writes.
    void flush();

private:
    explicit RecoverySession(std::unique_ptr<RecoveryFile> file);
    void listen();
    void disconnectAll();
    // Told once when writing fails, and again only after it has worked in between.
    void written(const QString &failure);
    // The file goes: the user chose to end the program and what it holds is safe, or was warned.
    void endDeliberately();

    std::unique_ptr<RecoveryFile> m_file;
    std::unique_ptr<SafetyCopy> m_copy;
    QList<QMetaObject::Connection> m_connections;
    bool m_failing = false; // the last write failed and the user was told
};

namespace Recovery {
// Nothing in it that no file the user saved holds.
bool contentIsSafe();

// The desktop session is ending. With interaction the exit question decides; without, the
// program ends and the recovery file stays for the next start. False: cancel the logout.
bool sessionEnding(QWidget *parent, bool mayInteract);
void connectSession(QGuiApplication &app);
} // namespace Recovery

// What a run that did not end normally left (recovery_offer.cpp): asks whether to restore it;
// Yes puts it back, No keeps it aside under a dated name. False when the file must not be
// written over in this run (it could not be moved aside).
bool offerLeftFile(QWidget *over, RecoveryFile &file);
