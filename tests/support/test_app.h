#pragma once
// A fresh program for each test case: new shared state, every window unloaded, scripted dialogs.

#include "scripted_dialogs.h"
#include "source_dir.h"
#include "test_files.h"

#include "shell/form.h"
#include "questionnaire/answer_store.h"

#include <QApplication>
#include <QTest>
#include <memory>

class TestProgram {
public:
    TestProgram();  // registers the windows once, resets state, installs scripted dialogs
    ~TestProgram(); // unloads every window

    ScriptedDialogs dialogs;

    // Starts the program the way main() does and presses Enter on the start-up window.
    Form *startToMainMenu();
    template <typename T = QWidget> T *child(const QString &window, const QString &name) const
    {
        Form *f = Forms::find(window);
        return f ? f->findChild<T *>(name) : nullptr;
    }
    void click(const QString &window, const QString &name) const;
    // The visible top-level windows of the program, by object name.
    static QStringList visibleForms();
};

// The base of a window suite: each test function gets a fresh program (and an empty folder
// `dir`) from init(), and cleanup() unloads its windows. A suite with its own init() or
// cleanup() calls these.
class ProgramTest : public TempDirTest {
    Q_OBJECT
public:
    ProgramTest() {}
    ~ProgramTest() override {}

protected:
    union {
        TestProgram program; // lives from init() to cleanup() only
    };
    void restartProgram(); // a later run: the windows unloaded, a fresh store and dialogs

protected slots:
    void init();    // the folder, then the program
    void cleanup(); // the program, then the folder
};

// Is the program's window shown, or (with a control's name) that control within it?
bool isShown(const QString &window, const QString &control = {});

// "marked" when a row's or a section's answered twin ("cmd" + item + "2") shows in place of
// its marker ("cmd" + item), "unmarked" when the marker shows; "both" or "neither" is a fault.
QString markOf(const QString &window, const QString &item);

// Empty when the only message asked so far is the exit question, over the window `parent`;
// else what was asked.
QString exitQuestionFault(const TestProgram &program, const QString &parent);

// Why a control does not stand where the table puts it (twips), or empty when it does; a
// one-line label may be wider than the table where its text needs it.
QString placementFault(const QWidget *control, const QRect &twipsGeometry);
