// Save As through the real Save dialog: a name typed without extension becomes ".rtf", and
// an existing document is replaced only after the dialog's own question.
#include "editor_steps.h"
#include "wait_for.h"

#include "fs_faults.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
// The real Save dialog; every other question still answered by the script.
class RealSaveDialog : public ScriptedDialogs {
public:
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override
    {
        return QtDialogs().saveFile(parent, request);
    }
};

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

class TestRealSaveDialog : public ProgramTest {
    Q_OBJECT
private slots:
    void nameWithoutExtensionBecomesRtf();
    void existingDocumentAsksFirst();
    void saveFirstShowsNoNote_data();
    void saveFirstShowsNoNote();
};

void TestRealSaveDialog::nameWithoutExtensionBecomesRtf()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    RealSaveDialog real; // replaces the scripted dialogs for this case
    runMenu(editor, "mnuFileSaveAs");
    whenModal({[&](QWidget *m) { typeNameAndAccept(m, dir.filePath("Story")); }});
    program.click("frmNote", "cmdOK");
    QCOMPARE(folderEntries(dir.path()), QStringList({"Story.dat", "Story.rtf"}));
    QCOMPARE(editor->windowTitle(), dir.filePath("Story.rtf") + " - Text Editor");
}

void TestRealSaveDialog::existingDocumentAsksFirst()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    RealSaveDialog real;
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

void TestRealSaveDialog::saveFirstShowsNoNote_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("ok"); // the reminder's OK, else its close box
    for (const char *command : {"mnuFileOpen", "mnuFileReturn", "mnuFileExit"}) {
        QTest::addRow("nominal: %s, Yes, OK, saved", command) << command << true;
        QTest::addRow("robustness: %s, Yes, reminder closed", command) << command << false;
    }
}

// Yes to saving a changed, unnamed document first: the reminder and the Save dialog come
// without the editing note, which returns on the next ordinary activation.
void TestRealSaveDialog::saveFirstShowsNoNote()
{
    QFETCH(QString, command);
    QFETCH(bool, ok);
    TextEditor *editor = openEditorFromMainMenu(program);
    RealSaveDialog real;
    real.answer(MessageAnswer::Yes).answerFile(std::nullopt); // save first? Yes; then Cancel in Open
    answerReminderWhenShown(editor, ok);
    if (ok)
        whenModal({[&](QWidget *m) { typeNameAndAccept(m, dir.filePath("Story.rtf")); }});
    runMenu(editor, command);
    settle();
    QVERIFY(isSaveQuestion(real.calls.value(0)));
    // No note after the reminder, before or after the dialog, up to the program's end.
    for (int i = 1; i < real.calls.size() && real.calls[i].kind != DialogCall::End; ++i)
        QVERIFY2(!isEditingNote(real.calls[i]), qPrintable(QString::number(i)));
    QCOMPARE(QFile::exists(dir.filePath("Story.dat")), ok);
    const bool stays = !ok || command == QLatin1String("mnuFileOpen");
    QCOMPARE(real.endCount, (ok && command == QLatin1String("mnuFileExit")) ? 1 : 0);
    if (!stays)
        return;
    QVERIFY(editor->isVisible());
    QCOMPARE(real.messages().size(), 1);
    showEditorAgain(program, editor);
    QCOMPARE(real.messages().size(), 2);
    QVERIFY(isEditingNote(real.messages().last()));
}

QTEST_MAIN(TestRealSaveDialog)
#include "tst_real_save_dialog.moc"
