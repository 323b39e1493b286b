// The eleven section overview windows: their rows, markers, openers and the way back.
#include "questionnaire_helpers.h"

#include "shell/look.h"

using namespace qhelp;

static void addOverviewRows()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(expected::overviews)); ++i)
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1").arg(expected::overviews[i].name))) << i;
}

class TstOverviewWindows : public ProgramTest {
    Q_OBJECT
private slots:
    void windowLayout_data() { addOverviewRows(); }
    void windowLayout();
    void rowLayout_data();
    void rowLayout();
    void tabOrder_data() { addOverviewRows(); }
    void tabOrder();
    void emptyStoreMarksNothing_data() { addOverviewRows(); }
    void emptyStoreMarksNothing();
    void marking_data();
    void marking();
    void markStaysAfterClearing();
    void everyRowControlOpensItsPage_data();
    void everyRowControlOpensItsPage();
    void reopeningAnExistingPage();
    void returnToMainMenu_data() { addOverviewRows(); }
    void returnToMainMenu();
    void mainMenuMarksCompleteSectionOnly();
    void publicSecondPageOpener_data() { addOverviewRows(); }
    void publicSecondPageOpener();
    void loadedAnswersShowOnNextShowing();
    void closeBoxAsksExitQuestion_data();
    void closeBoxAsksExitQuestion();
};

static Form *loaded(const char *name) { return Forms::load(QString::fromLatin1(name)); }

void TstOverviewWindows::windowLayout()
{
    QFETCH(int, index);
    const expected::Overview &o = expected::overviews[index];
    Form *w = loaded(o.name);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8(o.caption));
    QCOMPARE(w->size() * kTwips, QSize(o.width, o.height));
    auto *ret = w->findChild<QPushButton *>(QStringLiteral("cmdReturn"));
    QVERIFY(ret);
    QCOMPARE(ret->text(), QStringLiteral("&Return to Main"));
    QCOMPARE(twipsOf(ret), QRect(o.returnLeft, o.returnTop, 1695, 495));
    QCOMPARE(ret->shortcut(), QKeySequence(QStringLiteral("Alt+R")));
    // The return button stands below the last row.
    int lastTop = 0;
    for (const expected::OverviewRow &r : expected::overviewRows)
        if (QLatin1String(r.window) == QLatin1String(o.name))
            lastTop = std::max(lastTop, r.top);
    QVERIFY(o.returnTop > lastTop);
}

void TstOverviewWindows::rowLayout_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(expected::overviewRows)); ++i) {
        const expected::OverviewRow &r = expected::overviewRows[i];
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 %2").arg(r.window, r.item))) << i;
    }
}

void TstOverviewWindows::rowLayout()
{
    QFETCH(int, index);
    const expected::OverviewRow &r = expected::overviewRows[index];
    Form *w = loaded(r.window);
    QVERIFY(w);
    const QString item = QString::fromLatin1(r.item);
    auto *marker = w->findChild<QPushButton *>(QStringLiteral("cmd") + item);
    auto *twin = w->findChild<QPushButton *>(QStringLiteral("cmd") + item + QLatin1Char('2'));
    auto *label = w->findChild<QLabel *>(QStringLiteral("lbl") + item);
    QVERIFY(marker && twin && label);
    QCOMPARE(twipsOf(marker), QRect(120, r.top, 255, 255));
    QCOMPARE(twipsOf(twin), QRect(120, r.top, 255, 255));
    QVERIFY(marker->text().isEmpty() && marker->icon().isNull());
    QVERIFY(!twin->icon().isNull());
    QVERIFY(!marker->isHidden());
    QVERIFY(twin->isHidden());

    int labelWidth = 0;
    for (const expected::Overview &o : expected::overviews)
        if (QLatin1String(o.name) == QLatin1String(r.window))
            labelWidth = expected::overviewLabelWidth(r.window, r.item, o.labelWidth);
    QCOMPARE(twipsOf(label), QRect(480, r.top, labelWidth, r.labelHeight));
    QCOMPARE(label->text(), QString::fromUtf8(QuestionCatalogue::question(r.question).text));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSizeF(), 9.75);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

void TstOverviewWindows::tabOrder()
{
    QFETCH(int, index);
    const expected::Overview &o = expected::overviews[index];
    QStringList want, twins;
    for (const expected::OverviewRow &r : expected::overviewRows) {
        if (QLatin1String(r.window) != QLatin1String(o.name))
            continue;
        want << QStringLiteral("lbl%1").arg(r.item) << QStringLiteral("cmd%1").arg(r.item);
        twins << QStringLiteral("cmd%1").arg(r.item) + QLatin1Char('2');
    }
    want << QStringLiteral("cmdReturn") << twins;

    Form *w = loaded(o.name);
    QStringList chain;
    for (QWidget *next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain())
        if (want.contains(next->objectName()))
            chain << next->objectName();
    QCOMPARE(chain, want);
}

void TstOverviewWindows::emptyStoreMarksNothing()
{
    QFETCH(int, index);
    const expected::Overview &o = expected::overviews[index];
    Form *w = openOverview(program, QString::fromLatin1(o.name));
    QVERIFY(w && w->isVisible());
    for (const expected::OverviewRow &r : expected::overviewRows)
        if (QLatin1String(r.window) == QLatin1String(o.name))
            QCOMPARE(markOf(o.name, r.item), "unmarked");
}

void TstOverviewWindows::marking_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<QVariant>("answer"); // a null variant stands for no value
    QTest::addColumn<int>("shown");       // the question whose row is looked at
    QTest::addColumn<bool>("marked");
    QTest::newRow("nominal: text marks its row") << 1 << QVariant(QStringLiteral("A pilot")) << 1 << true;
    QTest::newRow("nominal: a single space marks its row") << 22 << QVariant(QStringLiteral(" ")) << 22 << true;
    QTest::newRow("nominal: a bare line break marks its row") << 77 << QVariant(QStringLiteral("\r\n")) << 77 << true;
    QTest::newRow("robustness: the empty text leaves it unmarked") << 10 << QVariant(QString()) << 10 << false;
    QTest::newRow("robustness: no value leaves it unmarked") << 45 << QVariant() << 45 << false;
    QTest::newRow("robustness: same item key in another section") << 17 << QVariant(QStringLiteral("Chess")) << 5 << false;
    QTest::newRow("robustness: same item key, third section") << 72 << QVariant(QStringLiteral("Golf")) << 17 << false;
    QTest::newRow("robustness: neighbour row stays unmarked") << 40 << QVariant(QStringLiteral("Yes")) << 41 << false;
}

void TstOverviewWindows::marking()
{
    QFETCH(int, question);
    QFETCH(QVariant, answer);
    QFETCH(int, shown);
    QFETCH(bool, marked);
    if (answer.isNull())
        answerStore().setAnswer(question, std::nullopt);
    else
        answerStore().setAnswer(question, answer.toString());
    const QuestionInfo &q = QuestionCatalogue::question(shown);
    const QString overview = QString::fromLatin1(QuestionCatalogue::section(q.section).overviewWindow);
    openOverview(program, overview);
    QCOMPARE(markOf(overview, q.itemKey), marked ? "marked" : "unmarked");
}

void TstOverviewWindows::markStaysAfterClearing()
{
    answerStore().setAnswer(3, QStringLiteral("Marbles"));
    openPage(program, QStringLiteral("frmChildhood1"));
    box(QStringLiteral("frmChildhood1"), QStringLiteral("txtGames"))->clear();
    program.click(QStringLiteral("frmChildhood1"), QStringLiteral("cmdSave"));
    QVERIFY(!answerStore().isAnswered(3));
    program.click(QStringLiteral("frmChildhood1"), QStringLiteral("cmdReturn"));
    QVERIFY(isShown(QStringLiteral("frmChildMain")));
    QCOMPARE(markOf("frmChildMain", "Games"), "marked");
    // Still marked after another round through the main menu.
    program.click(QStringLiteral("frmChildMain"), QStringLiteral("cmdReturn"));
    openOverview(program, QStringLiteral("frmChildMain"));
    QCOMPARE(markOf("frmChildMain", "Games"), "marked");
}

void TstOverviewWindows::everyRowControlOpensItsPage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("control");
    for (int i = 0; i < int(std::size(expected::overviewRows)); ++i) {
        const expected::OverviewRow &r = expected::overviewRows[i];
        for (const char *prefix : {"cmd%1", "cmd%12", "lbl%1"}) {
            const QString control = QString::fromLatin1(prefix).arg(r.item);
            QTest::newRow(qPrintable(QStringLiteral("nominal: %1 %2").arg(r.window, control))) << i << control;
        }
    }
}

void TstOverviewWindows::everyRowControlOpensItsPage()
{
    QFETCH(int, index);
    QFETCH(QString, control);
    const expected::OverviewRow &r = expected::overviewRows[index];
    if (control.endsWith(QLatin1Char('2')))
        answerStore().setAnswer(r.question, QStringLiteral("answered")); // so the twin is the one shown
    const QString overview = QString::fromLatin1(r.window);
    openOverview(program, overview);
    QVERIFY(program.child(overview, control)->isVisible());
    program.click(overview, control);
    QCOMPARE(TestProgram::visibleForms(), QStringList{QString::fromLatin1(r.opens)});
    QCOMPARE(Forms::active()->objectName(), QString::fromLatin1(r.opens));
    QVERIFY(program.dialogs.calls.isEmpty());
}

void TstOverviewWindows::reopeningAnExistingPage()
{
    openPage(program, QStringLiteral("frmCollege2"));
    program.click(QStringLiteral("frmCollege2"), QStringLiteral("cmdReturn"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmCollegeMain")});
    Form *existing = Forms::find(QStringLiteral("frmCollege2"));
    program.click(QStringLiteral("frmCollegeMain"), QStringLiteral("lblGraduate"));
    QCOMPARE(Forms::find(QStringLiteral("frmCollege2")), existing);
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmCollege2")});
}

void TstOverviewWindows::returnToMainMenu()
{
    QFETCH(int, index);
    const QString name = QString::fromLatin1(expected::overviews[index].name);
    openOverview(program, name);
    program.click(name, QStringLiteral("cmdReturn"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(Forms::active()->objectName(), QStringLiteral("frmMain"));
    QVERIFY(program.dialogs.calls.isEmpty());
}

void TstOverviewWindows::mainMenuMarksCompleteSectionOnly()
{
    // Final Thoughts answered in full through its page; Life in General all but one.
    openPage(program, QStringLiteral("frmFinal"));
    for (const expected::PageBox *b : boxesOf(QStringLiteral("frmFinal")))
        QTest::keyClicks(box(QStringLiteral("frmFinal"), QString::fromLatin1(b->textBox)), QStringLiteral("x"));
    program.click(QStringLiteral("frmFinal"), QStringLiteral("cmdSave"));
    for (int q = 68; q <= 72; ++q)
        answerStore().setAnswer(q, QStringLiteral("y"));
    program.click(QStringLiteral("frmFinal"), QStringLiteral("cmdReturn"));
    program.click(QStringLiteral("frmFinalMain"), QStringLiteral("cmdReturn"));
    QCOMPARE(markOf("frmMain", "Final"), "marked");
    QCOMPARE(markOf("frmMain", "Life"), "unmarked");
}

void TstOverviewWindows::publicSecondPageOpener()
{
    QFETCH(int, index);
    const expected::Overview &o = expected::overviews[index];
    Form *w = openOverview(program, QString::fromLatin1(o.name));
    const int method = w->metaObject()->indexOfMethod("frm2()");
    QCOMPARE(method >= 0, o.publicSecondOpener);
    if (!o.publicSecondOpener)
        return;
    QCOMPARE(w->metaObject()->method(method).access(), QMetaMethod::Public);
    QVERIFY(QMetaObject::invokeMethod(w, "frm2"));
    const QString second = QString::fromLatin1(*std::next(o.pages.begin()));
    QCOMPARE(TestProgram::visibleForms(), QStringList{second});
}

void TstOverviewWindows::loadedAnswersShowOnNextShowing()
{
    openOverview(program, QStringLiteral("frmTravelMain"));
    program.click(QStringLiteral("frmTravelMain"), QStringLiteral("cmdReturn"));
    // What loading a data file does to the store, while both overviews are hidden or not yet made.
    answerStore().setAnswer(66, QStringLiteral("Peru"));
    answerStore().setAnswer(29, QStringLiteral("Paper round"));
    QVERIFY(!program.child(QStringLiteral("frmTravelMain"), QStringLiteral("cmdFuture2"))->isVisible());
    QVERIFY(!Forms::find(QStringLiteral("frmJobsMain")));
    openOverview(program, QStringLiteral("frmTravelMain"));
    QCOMPARE(markOf("frmTravelMain", "Future"), "marked");
    program.click(QStringLiteral("frmTravelMain"), QStringLiteral("cmdReturn"));
    openOverview(program, QStringLiteral("frmJobsMain"));
    QCOMPARE(markOf("frmJobsMain", "FirstJob"), "marked");
    QCOMPARE(markOf("frmJobsMain", "Best"), "unmarked");
}

void TstOverviewWindows::closeBoxAsksExitQuestion_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<MessageAnswer>("reply");
    for (int i = 0; i < int(std::size(expected::overviews)); ++i) {
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 No").arg(expected::overviews[i].name))) << i << MessageAnswer::No;
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 Yes").arg(expected::overviews[i].name))) << i << MessageAnswer::Yes;
    }
}

void TstOverviewWindows::closeBoxAsksExitQuestion()
{
    QFETCH(int, index);
    QFETCH(MessageAnswer, reply);
    const QString name = QString::fromLatin1(expected::overviews[index].name);
    Form *w = openOverview(program, name);
    program.dialogs.answer(reply);
    QVERIFY(!w->close());
    QCOMPARE(exitQuestionFault(program, name), QString());
    QCOMPARE(program.dialogs.endCount, reply == MessageAnswer::Yes ? 1 : 0);
    if (reply == MessageAnswer::No)
        QCOMPARE(TestProgram::visibleForms(), QStringList{name});
}

QTEST_MAIN(TstOverviewWindows)
#include "tst_overview_windows.moc"
