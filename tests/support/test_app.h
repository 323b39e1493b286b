#pragma once
// A fresh program for each test case: new shared state, every window unloaded, scripted dialogs.

#include "scripted_dialogs.h"
#include "source_dir.h"

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

// Is the program's window shown, or (with a control's name) that control within it?
bool isShown(const QString &window, const QString &control = {});

// Why a control does not stand where the table puts it (twips), or empty when it does; a
// one-line label may be wider than the table where its text needs it.
QString placementFault(const QWidget *control, const QRect &twipsGeometry);
