// docChanged as the user's steps leave it: every change of the text sets it, an undo back to the
// saved or opened text included; only a save or an open clears it.
#include "editor_steps.h"

#include <QTest>

namespace {
enum class Step { Open, Type, Undo, SaveAs };
using Steps = QList<Step>;
} // namespace

class TestEditorState : public QObject {
    Q_OBJECT
private slots:
    void docChanged_data();
    void docChanged();
};

void TestEditorState::docChanged_data()
{
    using enum Step;
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("changed");
    QTest::newRow("nominal: a composed document counts as changed") << Steps{} << true;
    QTest::newRow("nominal: an opened file is unchanged") << Steps{Open} << false;
    QTest::newRow("nominal: typing in an opened file changes it") << Steps{Open, Type} << true;
    QTest::newRow("nominal: Save As leaves it unchanged") << Steps{Type, SaveAs} << false;
    QTest::newRow("robustness: typing undone back to the opened text") << Steps{Open, Type, Undo} << true;
    QTest::newRow("robustness: typing undone back to the saved text") << Steps{SaveAs, Type, Undo} << true;
}

void TestEditorState::docChanged()
{
    QFETCH(Steps, steps);
    QFETCH(bool, changed);
    TestProgram program;
    QTemporaryDir dir;
    TextEditor *editor = openEditorFromMainMenu(program);
    for (Step step : steps) {
        switch (step) {
        case Step::Open:
            QVERIFY(writeBytes(dir.filePath("story.rtf"), "{\\rtf1 The old house.\\par}"));
            openThroughMenu(program, editor, dir.filePath("story.rtf"));
            break;
        case Step::Type: QTest::keyClicks(editor->edit(), QStringLiteral("x")); break;
        case Step::Undo: editor->edit()->undo(); break;
        case Step::SaveAs: saveAs(program, editor, dir.filePath("saved.rtf")); break;
        }
    }
    QCOMPARE(program.dialogs.pendingAnswers(), 0);
    QCOMPARE(editor->state().docChanged, changed);
    QCOMPARE(exitOutcome(program, editor), changed ? kAsksThenEnds : kEnds);
}

QTEST_MAIN(TestEditorState)
#include "tst_editor_state.moc"
