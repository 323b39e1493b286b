// What the editor keeps: a file it read as plain text is never overwritten by Save, and a
// format applied for the text typed next counts as a change of the document.
#include "editor_steps.h"

#include <QFontInfo>

class TestEditorKeeps : public ProgramTest {
    Q_OBJECT
private slots:
    void saveNeverOverwritesPlainText_data();
    void saveNeverOverwritesPlainText();
    void formatWithoutSelectionMarksChange_data();
    void formatWithoutSelectionMarksChange();
};

void TestEditorKeeps::saveNeverOverwritesPlainText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("writtenAtOnce");
    QTest::newRow("robustness: plain text named .rtf") << "notes.rtf" << QByteArray("My notes\r\n") << false;
    QTest::newRow("robustness: plain text named .RTF") << "notes.RTF" << QByteArray("{not rtf}") << false;
    QTest::newRow("nominal: plain text named .txt") << "notes.txt" << QByteArray("My notes") << false;
    QTest::newRow("nominal: RTF named .rtf is saved at once") << "notes.rtf" << QByteArray("{\\rtf1 Hi}") << true;
}

// Ctrl+S on an opened file: RTF is written at once; anything read as plain text goes
// through the reminder and the Save dialog, whose overwrite question guards it.
void TestEditorKeeps::saveNeverOverwritesPlainText()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, writtenAtOnce);
    const QString path = dir.filePath(name);
    TextEditor *editor = openEditorWithFile(program, path, content);
    QCOMPARE(exitOutcome(program, editor), kEnds);
    editor->edit()->insertPlainText(QStringLiteral("more "));
    program.dialogs.answerFile(std::nullopt); // Cancel in the Save dialog
    answerReminderWhenShown(editor, true);
    QCOMPARE(editor->action(QStringLiteral("mnuFileSave"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    editor->action(QStringLiteral("mnuFileSave"))->trigger();
    if (writtenAtOnce) {
        QVERIFY(fileBytes(path).contains("more"));
        QCOMPARE(program.dialogs.count(DialogCall::SaveFile), 0);
        return;
    }
    QTRY_COMPARE(program.dialogs.count(DialogCall::SaveFile), 1);
    QVERIFY(program.dialogs.calls.last().file.overwritePrompt);
    QCOMPARE(fileBytes(path), content);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("notes.dat"))));
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
}

void TestEditorKeeps::formatWithoutSelectionMarksChange_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("differs"); // the choice differs from the format at the cursor
    QTest::newRow("nominal: another colour") << "mnuOptionsColor" << true;
    QTest::newRow("nominal: the same colour") << "mnuOptionsColor" << false;
    QTest::newRow("nominal: another font") << "mnuOptionsFont" << true;
    QTest::newRow("nominal: the same font") << "mnuOptionsFont" << false;
}

void TestEditorKeeps::formatWithoutSelectionMarksChange()
{
    QFETCH(QString, item);
    QFETCH(bool, differs);
    const QString path = dir.filePath(QStringLiteral("story.rtf"));
    TextEditor *editor = openEditorWithFile(program, path, "{\\rtf1 Dear family}");
    QCOMPARE(exitOutcome(program, editor), kEnds);
    editor->edit()->moveCursor(QTextCursor::End);
    const QTextCharFormat at = editor->edit()->currentCharFormat();
    if (item == QLatin1String("mnuOptionsColor")) {
        program.dialogs.answerColor(differs ? QColor(Qt::darkGreen) : editor->edit()->palette().color(QPalette::Text));
    } else {
        QFont same = at.font().resolve(editor->edit()->document()->defaultFont());
        same.setFamily(QFontInfo(same).family()); // what the dialog shows and gives back on OK
        QFont other = same;
        other.setPointSizeF(same.pointSizeF() + 6);
        program.dialogs.answerFont(differs ? other : same);
    }
    editor->action(item)->trigger();
    QCOMPARE(exitOutcome(program, editor), differs ? kAsksThenEnds : kEnds);
    QVERIFY(!editor->state().dialogCancelled);
    QCOMPARE(editor->edit()->toPlainText(), QStringLiteral("Dear family"));
    editor->edit()->insertPlainText(QStringLiteral("!"));
    QCOMPARE(editor->edit()->currentCharFormat() != at, differs); // what is typed next takes it
}

QTEST_MAIN(TestEditorKeeps)
#include "tst_editor_keeps.moc"
