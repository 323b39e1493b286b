// The question pages' answers: the box each question is typed into, Save, Return and the
// unsaved-changes question, refilling from the store, and the close box.
#include "questionnaire_helpers.h"

#include "document/recovery/draft_board.h"

#include <QGroupBox>
#include <QSignalSpy>
#include <QScrollBar>

using namespace qhelp;

namespace {
const QString kSaveText = QStringLiteral("Do you want to save your changes?");

QString firstBox(const QString &page) { return QString::fromLatin1(boxesOf(page).first()->textBox); }
} // namespace

class TstPageAnswers : public ProgramTest {
    Q_OBJECT
private slots:
    void untouchedPageReturnsWithoutQuestion_data() { addPageRows(); }
    void untouchedPageReturnsWithoutQuestion();
    void boxStoresItsOwnQuestion_data() { addPageBoxRows(); }
    void boxStoresItsOwnQuestion();
    void saveStoresExactlyAsTyped_data();
    void saveStoresExactlyAsTyped();
    void activationRefillsFromStore();
    void returnNoThenReopenShowsStoredAnswer();
    void typingAndDeletingStillAsks();
    void returnYesStoresEveryBoxBeforeOverview();
    void saveThenReturnAsksNothing();
    void dataChangedFollowsEdits();
    void typingReachesTheDraftBoard();
    void pageOpenedAfterLoadShowsAnswers();
    void enterAddsLineEscDoesNothing();
    void closeBoxAsksOnlyExitQuestion_data();
    void closeBoxAsksOnlyExitQuestion();
};

void TstPageAnswers::untouchedPageReturnsWithoutQuestion()
{
    QFETCH(QString, page);
    Form *w = openPage(program, page);
    QCOMPARE(TestProgram::visibleForms(), QStringList{page});
    QCOMPARE(w->focusWidget()->objectName(), firstBox(page));
    for (const expected::PageBox *b : boxesOf(page))
        QVERIFY(box(page, QString::fromLatin1(b->textBox))->toPlainText().isEmpty());
    QCOMPARE(dataChanged(page), QStringLiteral("N"));
    program.click(page, QStringLiteral("cmdReturn"));
    QVERIFY(program.dialogs.calls.isEmpty());
    QCOMPARE(TestProgram::visibleForms(), QStringList{QString::fromLatin1(pageSpec(page).returnShows)});
    for (const expected::PageBox *b : boxesOf(page))
        QVERIFY(!QuestionCatalogue::question(b->question).alwaysText() ? !answerStore().hasValue(b->question)
                                                                       : answerStore().answerOf(b->question).isEmpty());
}

void TstPageAnswers::boxStoresItsOwnQuestion()
{
    QFETCH(int, index);
    const expected::PageBox &b = expected::pageBoxes[index];
    const QString page = QString::fromLatin1(b.window);
    openPage(program, page);
    const QString typed = QStringLiteral("answer %1").arg(b.question);
    QTest::keyClicks(box(page, QString::fromLatin1(b.textBox)), typed);
    program.click(page, QStringLiteral("cmdSave"));
    for (int q = 1; q <= kQuestionCount; ++q) {
        const bool onPage = QLatin1String(QuestionCatalogue::question(q).entryWindow) == page;
        if (q == b.question)
            QCOMPARE(answerStore().answerOf(q), typed);
        else if (onPage) // every box of the page is stored, the empty ones as ""
            QVERIFY(answerStore().hasValue(q) && !answerStore().isAnswered(q));
        else
            QVERIFY(!answerStore().isAnswered(q));
    }
    QCOMPARE(TestProgram::visibleForms(), QStringList{page});
    // The overview marks this row and no other.
    program.click(page, QStringLiteral("cmdReturn"));
    const QString overview = QString::fromLatin1(pageSpec(page).returnShows);
    for (const expected::OverviewRow &r : expected::overviewRows)
        if (QLatin1String(r.window) == overview)
            QCOMPARE(markOf(overview, r.item), r.question == b.question ? "marked" : "unmarked");
}

void TstPageAnswers::saveStoresExactlyAsTyped_data()
{
    QTest::addColumn<QList<QKeyCombination>>("keys"); // typed one by one; unicode text keys below
    QTest::addColumn<QString>("text");                // typed before the keys
    QTest::addColumn<QString>("stored");
    using K = QKeyCombination;
    QTest::newRow("nominal: plain words") << QList<K>{} << QStringLiteral("A fireman") << QStringLiteral("A fireman");
    QTest::newRow("nominal: Enter makes a CR LF line break")
        << QList<K>{K(Qt::Key_Return), K(Qt::Key_B)} << QStringLiteral("a") << QStringLiteral("a\r\nb");
    QTest::newRow("nominal: keypad Enter too") << QList<K>{K(Qt::KeypadModifier, Qt::Key_Enter)} << QStringLiteral("a")
                                               << QStringLiteral("a\r\n");
    QTest::newRow("nominal: Shift+Enter is a line break as well")
        << QList<K>{K(Qt::ShiftModifier, Qt::Key_Return)} << QStringLiteral("x") << QStringLiteral("x\r\n");
    QTest::newRow("robustness: spaces around are kept") << QList<K>{} << QStringLiteral("  two  ") << QStringLiteral("  two  ");
    QTest::newRow("robustness: a single space") << QList<K>{} << QStringLiteral(" ") << QStringLiteral(" ");
    QTest::newRow("robustness: no-break space is not turned into a space")
        << QList<K>{} << QStringLiteral("a\u00a0b") << QStringLiteral("a\u00a0b");
    QTest::newRow("robustness: quotes and commas unchanged") << QList<K>{} << QStringLiteral("\"x\", y")
                                                              << QStringLiteral("\"x\", y");
    QTest::newRow("robustness: only line breaks")
        << QList<K>{K(Qt::Key_Return), K(Qt::Key_Return)} << QString() << QStringLiteral("\r\n\r\n");
    QTest::newRow("robustness: empty box stores the empty text") << QList<K>{} << QString() << QString();
}

void TstPageAnswers::saveStoresExactlyAsTyped()
{
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    const QString page = QStringLiteral("frmChildhood1");
    openPage(program, page);
    QPlainTextEdit *edit = box(page, QStringLiteral("txtGrowUp"));
    QTest::keyClicks(edit, text);
    for (QKeyCombination k : keys)
        QTest::keyClick(edit, k.key(), k.keyboardModifiers());
    program.click(page, QStringLiteral("cmdSave"));
    QVERIFY(answerStore().hasValue(1));
    QCOMPARE(answerStore().answerOf(1), stored);
    QCOMPARE(TestProgram::visibleForms(), QStringList{page});
    // Shown again as typed on the next visit, and stored unchanged when saved again.
    program.click(page, QStringLiteral("cmdReturn"));
    program.click(QStringLiteral("frmChildMain"), QStringLiteral("cmdToys"));
    program.click(page, QStringLiteral("cmdSave"));
    QCOMPARE(answerStore().answerOf(1), stored);
}

void TstPageAnswers::activationRefillsFromStore()
{
    answerStore().setAnswer(65, QStringLiteral("Rome\r\nthen Naples"));
    answerStore().setAnswer(67, QStringLiteral(" "));
    const QString page = QStringLiteral("frmTravel2");
    Form *w = openPage(program, page);
    QCOMPARE(box(page, QStringLiteral("txtVacation"))->toPlainText(), QStringLiteral("Rome\nthen Naples"));
    QCOMPARE(box(page, QStringLiteral("txtVacation"))->document()->blockCount(), 2);
    QCOMPARE(box(page, QStringLiteral("txtFuture"))->toPlainText(), QString());
    QCOMPARE(box(page, QStringLiteral("txtFree"))->toPlainText(), QStringLiteral(" "));
    QCOMPARE(dataChanged(page), QStringLiteral("N"));
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("txtVacation"));
    // Saving what was shown stores it unchanged.
    program.click(page, QStringLiteral("cmdSave"));
    QCOMPARE(answerStore().answerOf(65), QStringLiteral("Rome\r\nthen Naples"));
    QCOMPARE(answerStore().answerOf(67), QStringLiteral(" "));
}

void TstPageAnswers::returnNoThenReopenShowsStoredAnswer()
{
    answerStore().setAnswer(30, QStringLiteral("Lifeguard"));
    const QString page = QStringLiteral("frmJobs");
    openPage(program, page);
    QTest::keyClicks(box(page, QStringLiteral("txtBest")), QStringLiteral(" and cook"));
    QTest::keyClicks(box(page, QStringLiteral("txtDream")), QStringLiteral("Astronaut"));
    program.dialogs.answer(MessageAnswer::No);
    program.click(page, QStringLiteral("cmdReturn"));
    const QList<DialogCall> asked = program.dialogs.messages();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, kSaveText);
    QCOMPARE(asked[0].title, QStringLiteral("Save Changes"));
    QCOMPARE(asked[0].request, (MessageRequest{MessageIcon::Exclamation, MessageButtons::YesNo}));
    QCOMPARE(asked[0].parentName, page);
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmJobsMain")});
    QCOMPARE(dataChanged(page), QStringLiteral("Y")); // hidden, until the next activation
    QCOMPARE(answerStore().answerOf(30), QStringLiteral("Lifeguard"));
    QVERIFY(!answerStore().isAnswered(33));
    QVERIFY(!program.child(QStringLiteral("frmJobsMain"), QStringLiteral("cmdDream2"))->isVisible());

    program.click(QStringLiteral("frmJobsMain"), QStringLiteral("lblDream"));
    QCOMPARE(box(page, QStringLiteral("txtBest"))->toPlainText(), QStringLiteral("Lifeguard"));
    QCOMPARE(box(page, QStringLiteral("txtDream"))->toPlainText(), QString());
    QCOMPARE(dataChanged(page), QStringLiteral("N"));
    program.click(page, QStringLiteral("cmdReturn"));
    QCOMPARE(program.dialogs.messages().size(), 1);
}

void TstPageAnswers::typingAndDeletingStillAsks()
{
    const QString page = QStringLiteral("frmLife1");
    openPage(program, page);
    QPlainTextEdit *edit = box(page, QStringLiteral("txtGoals"));
    QTest::keyClicks(edit, QStringLiteral("x"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(edit->toPlainText().isEmpty());
    QCOMPARE(dataChanged(page), QStringLiteral("Y"));
    program.dialogs.answer(MessageAnswer::No);
    program.click(page, QStringLiteral("cmdReturn"));
    QCOMPARE(program.dialogs.messages().size(), 1);
    QCOMPARE(program.dialogs.messages()[0].text, kSaveText);
    QVERIFY(!answerStore().hasValue(69));
}

void TstPageAnswers::returnYesStoresEveryBoxBeforeOverview()
{
    const QString page = QStringLiteral("frmVolun1");
    openPage(program, page);
    // Filled by the store after the page was first shown: the next activation shows it.
    program.click(page, QStringLiteral("cmdReturn"));
    answerStore().setAnswer(27, QStringLiteral("the people"));
    program.click(QStringLiteral("frmVolunMain"), QStringLiteral("cmdWanted"));
    QTest::keyClicks(box(page, QStringLiteral("txtSkills")), QStringLiteral("First aid"));
    box(page, QStringLiteral("txtLike"))->selectAll();
    QTest::keyClicks(box(page, QStringLiteral("txtLike")), QStringLiteral("the work"));
    program.dialogs.answer(MessageAnswer::Yes);
    program.click(page, QStringLiteral("cmdReturn"));
    QCOMPARE(program.dialogs.messages().size(), 1);
    QCOMPARE(answerStore().answerOf(26), QStringLiteral("First aid"));
    QCOMPARE(answerStore().answerOf(27), QStringLiteral("the work"));
    for (int q : {24, 25, 28})
        QVERIFY(answerStore().hasValue(q) && !answerStore().isAnswered(q));
    QCOMPARE(dataChanged(page), QStringLiteral("N"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmVolunMain")});
    // The overview's own activation already saw the stored answers.
    for (const char *item : {"Skills", "Like", "Wanted"})
        QCOMPARE(markOf("frmVolunMain", item), item == QLatin1String("Wanted") ? "unmarked" : "marked");
}

void TstPageAnswers::saveThenReturnAsksNothing()
{
    const QString page = QStringLiteral("frmCollege3");
    openPage(program, page);
    QTest::keyClicks(box(page, QStringLiteral("txtStories")), QStringLiteral("The dorm fire drill"));
    program.click(page, QStringLiteral("cmdSave"));
    QCOMPARE(dataChanged(page), QStringLiteral("N"));
    program.click(page, QStringLiteral("cmdReturn"));
    QVERIFY(program.dialogs.calls.isEmpty());
    QCOMPARE(answerStore().answerOf(44), QStringLiteral("The dorm fire drill"));
    QVERIFY(program.child(QStringLiteral("frmCollegeMain"), QStringLiteral("cmdStories2"))->isVisible());
}

void TstPageAnswers::dataChangedFollowsEdits()
{
    const QString page = QStringLiteral("frmMilitary2");
    answerStore().setAnswer(48, QStringLiteral("France"));
    openPage(program, page);
    QCOMPARE(dataChanged(page), QStringLiteral("N")); // filling the boxes does not count
    QTest::keyClicks(box(page, QStringLiteral("txtEvents")), QStringLiteral("a"));
    QCOMPARE(dataChanged(page), QStringLiteral("Y"));
    program.click(page, QStringLiteral("cmdSave"));
    QCOMPARE(dataChanged(page), QStringLiteral("N"));
    box(page, QStringLiteral("txtWhere"))->clear(); // deleting counts like typing
    QCOMPARE(dataChanged(page), QStringLiteral("Y"));
    program.click(page, QStringLiteral("cmdSave"));
    QVERIFY(!answerStore().isAnswered(48));
    QVERIFY(answerStore().hasValue(48));
}

// The page tells whoever listens whether it holds typing the store does not have; the program
// hands that to the draft board, and hands typing kept from a crashed run back when it shows.
void TstPageAnswers::typingReachesTheDraftBoard()
{
    const QString page = QStringLiteral("frmMilitary2");
    DraftBoard &board = DraftBoard::instance();
    AnswerDataFile::Answers kept;
    kept[51 - 1] = QStringLiteral("kept");
    board.keepForRestore(kept);
    openPage(program, page);
    QSignalSpy told(Forms::find(page), SIGNAL(typingChanged(bool)));
    QCOMPARE(box(page, QStringLiteral("txtEvents"))->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(dataChanged(page), QStringLiteral("Y"));
    QTest::keyClicks(box(page, QStringLiteral("txtEvents")), QStringLiteral(" and typed"));
    QCOMPARE(told.last().first(), QVariant(true));
    QCOMPARE(board.typing()[51 - 1], std::optional<QString>(QStringLiteral("kept and typed")));
    program.click(page, QStringLiteral("cmdSave"));
    QCOMPARE(told.last().first(), QVariant(false));
    QVERIFY(!board.hasTyping());
}

void TstPageAnswers::pageOpenedAfterLoadShowsAnswers()
{
    const QString page = QStringLiteral("frmWedding2");
    openPage(program, page);
    QTest::keyClicks(box(page, QStringLiteral("txtAdvice")), QStringLiteral("typed, not saved"));
    program.dialogs.answer(MessageAnswer::No);
    program.click(page, QStringLiteral("cmdReturn"));
    // What loading a data file does: every answer replaced.
    for (int q = 57; q <= 60; ++q)
        answerStore().setAnswer(q, QStringLiteral("loaded %1").arg(q));
    program.click(QStringLiteral("frmWeddingMain"), QStringLiteral("cmdReturn"));
    openOverview(program, QStringLiteral("frmWeddingMain"));
    program.click(QStringLiteral("frmWeddingMain"), QStringLiteral("lblAdvice"));
    for (const expected::PageBox *b : boxesOf(page))
        QCOMPARE(box(page, QString::fromLatin1(b->textBox))->toPlainText(), QStringLiteral("loaded %1").arg(b->question));
}

void TstPageAnswers::enterAddsLineEscDoesNothing()
{
    const QString page = QStringLiteral("frmFinal");
    Form *w = openPage(program, page);
    QPlainTextEdit *edit = box(page, QStringLiteral("txtSelf"));
    QTest::keyClicks(edit, QStringLiteral("one"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, QStringLiteral("two"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(w, Qt::Key_Escape);
    QCOMPARE(edit->toPlainText(), QStringLiteral("one\ntwo"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{page});
    QVERIFY(program.dialogs.calls.isEmpty());
    QCOMPARE(dataChanged(page), QStringLiteral("Y"));
}

void TstPageAnswers::closeBoxAsksOnlyExitQuestion_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<MessageAnswer>("reply");
    for (const expected::Page &p : expected::pages) {
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 No").arg(p.name))) << QString::fromLatin1(p.name) << MessageAnswer::No;
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 Yes").arg(p.name))) << QString::fromLatin1(p.name) << MessageAnswer::Yes;
    }
}

void TstPageAnswers::closeBoxAsksOnlyExitQuestion()
{
    QFETCH(QString, page);
    QFETCH(MessageAnswer, reply);
    Form *w = openPage(program, page);
    const QString first = firstBox(page);
    QTest::keyClicks(box(page, first), QStringLiteral("unsaved"));
    program.dialogs.answer(reply);
    QVERIFY(!w->close());
    QCOMPARE(exitQuestionFault(program, page), QString());
    QCOMPARE(program.dialogs.endCount, reply == MessageAnswer::Yes ? 1 : 0);
    QVERIFY(!answerStore().isAnswered(QuestionCatalogue::numberOfTextBox(page, first)));
    if (reply == MessageAnswer::No) {
        QCOMPARE(TestProgram::visibleForms(), QStringList{page});
        QCOMPARE(box(page, first)->toPlainText(), QStringLiteral("unsaved"));
        QCOMPARE(dataChanged(page), QStringLiteral("Y"));
    }
}

QTEST_MAIN(TstPageAnswers)
#include "tst_page_answers.moc"
