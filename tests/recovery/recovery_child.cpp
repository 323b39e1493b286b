// The program as a child process for the kill tests, which kill it with SIGKILL:
//   recovery_child page           starts the program, types an answer on a page and saves it,
//                                 then prints "saved" and waits to be killed;
//   recovery_child type WHERE      starts the program, types on a page ("page", the boxes left
//                                 unsaved) or in the editor ("editor", in bold), prints "typed"
//                                 and waits to be killed;
//   recovery_child save DIR SIZE FIRST  saves a document and its data file of SIZE bytes each
//                                 in DIR over and over, generation FIRST, FIRST + 1, ..., and
//                                 prints "saving" once it has begun.
#include "shell/form.h"
#include "app/program.h"
#include "app/recovery_session.h"
#include "document/reading/save_batch.h"
#include "document/windows/editor/text_editor.h"
#include "shell/quiet_dialogs.h"

#include <QKeyEvent>
#include <QTextEdit>

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <cstdio>
#include <cstdlib>

namespace {
// A file of one generation: its number at both ends, so a partial file shows.
QByteArray generation(int n, qsizetype size)
{
    const QByteArray mark = "gen " + QByteArray::number(n) + "\n";
    return mark + QByteArray(size, char('a' + n % 26)) + mark;
}

int saveForever(const QString &dir, qsizetype size, int first)
{
    std::puts("saving");
    std::fflush(stdout);
    for (int n = first;; ++n) {
        SaveBatch batch;
        batch.add(dir + "/story.rtf", generation(n, size));
        batch.add(dir + "/story.dat", generation(n, size));
        if (!batch.commit().ok())
            return 1;
    }
}
// Key by key, as the keyboard sends it.
void typeInto(QWidget *box, const QString &text)
{
    box->setFocus();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

void typeSomewhere(const QString &where)
{
    Form *splash = Forms::find("frmSplash");
    if (where == "page") {
        Form *page = Forms::navigate(splash, "frmChildhood1");
        typeInto(page->findChild<QPlainTextEdit *>("txtToys"), "A tin drum");
        return;
    }
    auto *editor = qobject_cast<TextEditor *>(Forms::navigate(Forms::navigate(splash, "frmMain"), "frmTxtEditor"));
    editor->edit()->moveCursor(QTextCursor::End);
    editor->edit()->setFontWeight(QFont::Bold);
    typeInto(editor->edit(), "Our first house had a red door.");
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == "save" && argc > 4)
        return saveForever(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong(), atoi(argv[4]));
    if (mode == "type" && argc > 2) {
        static QuietDialogs quiet; // the editing note answers itself
        Dialogs::set(&quiet);
        const Program program(app);
        typeSomewhere(QString::fromLocal8Bit(argv[2]));
        std::puts("typed");
        std::fflush(stdout);
        return QApplication::exec();
    }
    if (mode != "page")
        return 2;
    const Program program(app);
    Form *page = Forms::navigate(program.splash(), "frmChildhood1");
    page->findChild<QPlainTextEdit *>("txtGames")->setPlainText("Marbles,\r\n\"hide and seek\"");
    page->findChild<QAbstractButton *>("cmdSave")->click();
    if (program.recovery())
        program.recovery()->flush();
    std::puts("saved");
    std::fflush(stdout);
    return QApplication::exec();
}
