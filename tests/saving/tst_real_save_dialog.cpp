// Save As through the real Save dialog: a name typed without extension becomes ".rtf", and
// an existing document is replaced only after the dialog's own question.
#include "saving_test_util.h"

#include "../datafile/fs_faults.h"
#include "document/editor/text_editor.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
// The real Save dialog; every other question still answered by the script.
class RealSaveDialog : public ScriptedDialogs {
public:
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override
    {
        return QtDialogs().saveFile(parent, request);
    }
};

// Runs `step` on each modal widget in turn, as soon as it is shown.
void whenModal(QList<std::function<void(QWidget *)>> steps)
{
    auto *timer = new QTimer;
    auto *shown = new QWidget *(nullptr);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, steps, shown]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == *shown)
            return;
        *shown = modal;
        steps.takeFirst()(modal);
        if (steps.isEmpty()) {
            timer->stop();
            timer->deleteLater();
            delete shown;
        }
    });
    timer->start(20);
}

void typeNameAndAccept(QWidget *modal, const QString &name)
{
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    QVERIFY(dialog);
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(name);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}
} // namespace

class TestRealSaveDialog : public QObject {
    Q_OBJECT
private slots:
    void nameWithoutExtensionBecomesRtf();
    void existingDocumentAsksFirst();
};

void TestRealSaveDialog::nameWithoutExtensionBecomesRtf()
{
    TestProgram program;
    TextEditor *editor = openEditor(program);
    RealSaveDialog real; // replaces the scripted dialogs for this case
    QTemporaryDir dir;
    runMenu(editor, "mnuFileSaveAs");
    whenModal({[&](QWidget *m) { typeNameAndAccept(m, dir.filePath("Story")); }});
    program.click("frmNote", "cmdOK");
    QCOMPARE(folderEntries(dir.path()), QStringList({"Story.dat", "Story.rtf"}));
    QCOMPARE(editor->windowTitle(), dir.filePath("Story.rtf") + " - Text Editor");
}

void TestRealSaveDialog::existingDocumentAsksFirst()
{
    TestProgram program;
    TextEditor *editor = openEditor(program);
    RealSaveDialog real;
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("Story.rtf"), "old document"));
    QString question;
    runMenu(editor, "mnuFileSaveAs");
    whenModal({[&](QWidget *m) { typeNameAndAccept(m, dir.filePath("Story.rtf")); },
               [&](QWidget *m) {
                   auto *box = qobject_cast<QMessageBox *>(m);
                   QVERIFY(box);
                   question = box->text();
                   box->button(QMessageBox::Yes)->click();
               }});
    program.click("frmNote", "cmdOK");
    QVERIFY2(question.contains("already exists"), qPrintable(question));
    QVERIFY(fileBytes(dir.filePath("Story.rtf")).startsWith("{\\rtf"));
    QVERIFY(QFile::exists(dir.filePath("Story.dat")));
}

QTEST_MAIN(TestRealSaveDialog)
#include "tst_real_save_dialog.moc"
