// The nineteen question pages: layout, the box each question is typed into, Save, Return and
// the unsaved-changes question, and the close box.
#include "questionnaire_helpers.h"

#include "questionnaire/answer_store.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace qhelp;

namespace {
const QString kSaveText = QStringLiteral("Do you want to save your changes?");

void addPageRows()
{
    QTest::addColumn<QString>("page");
    for (const expected::Page &p : expected::pages)
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1").arg(p.name))) << QString::fromLatin1(p.name);
}

QRect frameRect(Form *w, const QString &frame)
{
    auto *f = w->findChild<QGroupBox *>(frame);
    return f ? twipsOf(f) : QRect();
}

// The frame of each place on a page (column frames and band), found from the expected boxes.
QString frameAt(const QString &page, char place)
{
    for (const expected::PageBox *b : boxesOf(page))
        if (b->place == place)
            return QString::fromLatin1(b->frame);
    return {};
}

QString expectedCaption(int question)
{
    if (question == 4)
        return QString::fromLatin1(expected::livedCaption);
    if (question == 40)
        return QString::fromLatin1(expected::graduateCaption);
    return QString::fromUtf8(QuestionCatalogue::question(question).text);
}

QString firstBox(const QString &page) { return QString::fromLatin1(boxesOf(page).first()->textBox); }
} // namespace

class TstQuestionPages : public QObject {
    Q_OBJECT
private slots:
    void windowAndFrames_data() { addPageRows(); }
    void windowAndFrames();
    void buttonsFollowLayout_data() { addPageRows(); }
    void buttonsFollowLayout();
    void boxLayout_data();
    void boxLayout();
    void tabOrder_data() { addPageRows(); }
    void tabOrder();
    void untouchedPageReturnsWithoutQuestion_data() { addPageRows(); }
    void untouchedPageReturnsWithoutQuestion();
    void boxStoresItsOwnQuestion_data();
    void boxStoresItsOwnQuestion();
    void saveStoresExactlyAsTyped_data();
    void saveStoresExactlyAsTyped();
    void activationRefillsFromStore();
    void returnNoThenReopenShowsStoredAnswer();
    void typingAndDeletingStillAsks();
    void returnYesStoresEveryBoxBeforeOverview();
    void saveThenReturnAsksNothing();
    void dataChangedFollowsEdits();
    void pageOpenedAfterLoadShowsAnswers();
    void enterAddsLineEscDoesNothing();
    void closeBoxAsksOnlyExitQuestion_data();
    void closeBoxAsksOnlyExitQuestion();
};

void TstQuestionPages::windowAndFrames()
{
    QFETCH(QString, page);
    TestProgram program;
    const expected::Page &p = pageSpec(page);
    Form *w = Forms::load(page);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8(p.caption));
    QCOMPARE(w->size() * kTwips, QSize(p.width, p.height));

    const bool military1 = page == QLatin1String("frmMilitary1");
    const QRect left = frameRect(w, frameAt(page, 'L')), right = frameRect(w, frameAt(page, 'R'));
    QCOMPARE(QRect(left.x(), left.y(), left.width(), 0), QRect(120, 0, 3135, 0));
    QCOMPARE(QRect(right.x(), right.y(), right.width(), 0), QRect(3360, 0, military1 ? 3255 : 3135, 0));
    const QString bandName = frameAt(page, 'B');
    QCOMPARE(!bandName.isEmpty(), p.layout == 'A' || p.layout == 'B');
    QCOMPARE(w->findChildren<QGroupBox *>().size(), bandName.isEmpty() ? 2 : 3);
    for (QGroupBox *f : w->findChildren<QGroupBox *>()) {
        QVERIFY(f->title().isEmpty());
        QVERIFY(QRect(0, 0, p.width, p.height).contains(twipsOf(f)));
    }
    if (!bandName.isEmpty()) {
        const QRect band = frameRect(w, bandName);
        QCOMPARE(band.x(), 120);
        QCOMPARE(band.width(), military1 ? 5175 : 5055);
        QVERIFY(band.y() >= std::max(left.bottom(), right.bottom()));
    }
}

void TstQuestionPages::buttonsFollowLayout()
{
    QFETCH(QString, page);
    TestProgram program;
    const expected::Page &p = pageSpec(page);
    Form *w = Forms::load(page);
    auto *save = w->findChild<QPushButton *>(QStringLiteral("cmdSave"));
    auto *ret = w->findChild<QPushButton *>(QStringLiteral("cmdReturn"));
    QVERIFY(save && ret);
    QCOMPARE(save->text(), QStringLiteral("&Save"));
    QCOMPARE(ret->text(), QStringLiteral("&Return"));
    QCOMPARE(save->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
    QCOMPARE(ret->shortcut(), QKeySequence(QStringLiteral("Alt+R")));
    QVERIFY(!save->isDefault() && !ret->isDefault());
    const QRect s = twipsOf(save), r = twipsOf(ret);
    QCOMPARE(s.size(), QSize(1095, 615));
    QCOMPARE(r.size(), QSize(1095, 615));
    QVERIFY(QRect(0, 0, p.width, p.height).contains(s) && QRect(0, 0, p.width, p.height).contains(r));
    const QRect left = frameRect(w, frameAt(page, 'L')), right = frameRect(w, frameAt(page, 'R'));
    switch (p.layout) {
    case 'A':
    case 'B': { // stacked at the right of the band, Save above
        const QRect band = frameRect(w, frameAt(page, 'B'));
        QCOMPARE(s.x(), r.x());
        QVERIFY(s.bottom() < r.y());
        QVERIFY(s.x() > band.right());
        QVERIFY(s.y() >= band.y() && r.bottom() <= band.bottom());
        break;
    }
    case 'C': // Save lower left, Return lower right, below the columns
        QCOMPARE(s.y(), r.y());
        QVERIFY(s.y() > std::max(left.bottom(), right.bottom()));
        QVERIFY(s.right() < p.width / 2 && r.x() > p.width / 2);
        break;
    case 'D': // side by side below the shorter right column
        QCOMPARE(s.y(), r.y());
        QVERIFY(s.bottom() < r.x() || s.right() < r.x());
        QVERIFY(s.y() > right.bottom());
        QVERIFY(s.x() >= right.x() && r.right() <= right.right());
        QVERIFY(left.bottom() > s.y());
        break;
    default:
        QFAIL("unknown layout");
    }
}

void TstQuestionPages::boxLayout_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(expected::pageBoxes)); ++i) {
        const expected::PageBox &b = expected::pageBoxes[i];
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 %2").arg(b.window, b.textBox))) << i;
    }
}

void TstQuestionPages::boxLayout()
{
    QFETCH(int, index);
    TestProgram program;
    const expected::PageBox &b = expected::pageBoxes[index];
    const QString page = QString::fromLatin1(b.window);
    Form *w = Forms::load(page);
    auto *label = w->findChild<QLabel *>(QString::fromLatin1(b.label));
    auto *edit = w->findChild<QPlainTextEdit *>(QString::fromLatin1(b.textBox));
    QVERIFY(label && edit);
    QCOMPARE(edit->parentWidget()->objectName(), QString::fromLatin1(b.frame));
    QCOMPARE(label->parentWidget()->objectName(), QString::fromLatin1(b.frame));
    QCOMPARE(label->text(), expectedCaption(b.question));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSizeF(), 9.75);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    QVERIFY(edit->toPlainText().isEmpty());
    QVERIFY(edit->tabChangesFocus());
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    const QRect frame = twipsOf(edit->parentWidget());
    const QRect l = twipsOf(label), e = twipsOf(edit);
    QVERIFY(frame.contains(l) && frame.contains(e));
    const bool wideBand = page == QLatin1String("frmTravel2") && b.place == 'B';
    if (b.place == 'B' && !wideBand) { // label to the left of its box
        QVERIFY(l.right() < e.x());
        QCOMPARE(l.y(), e.y());
        QCOMPARE(e.width(), 2895);
        QVERIFY(e.height() >= 975);
        return;
    }
    QCOMPARE(l.x(), e.x()); // label above its box
    QVERIFY(l.bottom() < e.y());
    QCOMPARE(l.width(), e.width());
    if (wideBand) {
        QCOMPARE(e.width(), 4815);
        QVERIFY(e.height() >= 975);
    } else {
        QCOMPARE(e.size(), QSize(frame.width() - 240, 975));
    }
}

void TstQuestionPages::tabOrder()
{
    QFETCH(QString, page);
    TestProgram program;
    Form *w = openPage(program, page);
    QVERIFY(w && w->isVisible());
    QStringList want;
    for (const expected::PageBox *b : boxesOf(page))
        want << QString::fromLatin1(b->textBox);
    want << QStringLiteral("cmdSave") << QStringLiteral("cmdReturn");
    QStringList seen;
    for (int i = 0; i < want.size(); ++i) {
        QWidget *focus = w->focusWidget();
        QVERIFY(focus);
        seen << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(seen, want);
    // Tab from a box moves on; it never types a tab character.
    for (const expected::PageBox *b : boxesOf(page))
        QVERIFY(!box(page, QString::fromLatin1(b->textBox))->toPlainText().contains(QLatin1Char('\t')));
}

void TstQuestionPages::untouchedPageReturnsWithoutQuestion()
{
    QFETCH(QString, page);
    TestProgram program;
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

void TstQuestionPages::boxStoresItsOwnQuestion_data() { boxLayout_data(); }

void TstQuestionPages::boxStoresItsOwnQuestion()
{
    QFETCH(int, index);
    TestProgram program;
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
    for (const expected::OverviewRow &r : expected::overviewRows) {
        if (QLatin1String(r.window) != overview)
            continue;
        const bool marked = program.child(overview, QStringLiteral("cmd%1").arg(r.item) + QLatin1Char('2'))->isVisible();
        QCOMPARE(marked, r.question == b.question);
    }
}

void TstQuestionPages::saveStoresExactlyAsTyped_data()
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

void TstQuestionPages::saveStoresExactlyAsTyped()
{
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    TestProgram program;
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

void TstQuestionPages::activationRefillsFromStore()
{
    TestProgram program;
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

void TstQuestionPages::returnNoThenReopenShowsStoredAnswer()
{
    TestProgram program;
    answerStore().setAnswer(30, QStringLiteral("Lifeguard"));
    const QString page = QStringLiteral("frmJobs");
    openPage(program, page);
    QTest::keyClicks(box(page, QStringLiteral("txtBest")), QStringLiteral(" and cook"));
    QTest::keyClicks(box(page, QStringLiteral("txtDream")), QStringLiteral("Astronaut"));
    program.dialogs.answer(MsgAnswer::No);
    program.click(page, QStringLiteral("cmdReturn"));
    const QList<DialogCall> asked = program.dialogs.messages();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, kSaveText);
    QCOMPARE(asked[0].title, QStringLiteral("Save Changes"));
    QCOMPARE(asked[0].style, 52);
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

void TstQuestionPages::typingAndDeletingStillAsks()
{
    TestProgram program;
    const QString page = QStringLiteral("frmLife1");
    openPage(program, page);
    QPlainTextEdit *edit = box(page, QStringLiteral("txtGoals"));
    QTest::keyClicks(edit, QStringLiteral("x"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(edit->toPlainText().isEmpty());
    QCOMPARE(dataChanged(page), QStringLiteral("Y"));
    program.dialogs.answer(MsgAnswer::No);
    program.click(page, QStringLiteral("cmdReturn"));
    QCOMPARE(program.dialogs.messages().size(), 1);
    QCOMPARE(program.dialogs.messages()[0].text, kSaveText);
    QVERIFY(!answerStore().hasValue(69));
}

void TstQuestionPages::returnYesStoresEveryBoxBeforeOverview()
{
    TestProgram program;
    const QString page = QStringLiteral("frmVolun1");
    openPage(program, page);
    // Filled by the store after the page was first shown: the next activation shows it.
    program.click(page, QStringLiteral("cmdReturn"));
    answerStore().setAnswer(27, QStringLiteral("the people"));
    program.click(QStringLiteral("frmVolunMain"), QStringLiteral("cmdWanted"));
    QTest::keyClicks(box(page, QStringLiteral("txtSkills")), QStringLiteral("First aid"));
    box(page, QStringLiteral("txtLike"))->selectAll();
    QTest::keyClicks(box(page, QStringLiteral("txtLike")), QStringLiteral("the work"));
    program.dialogs.answer(MsgAnswer::Yes);
    program.click(page, QStringLiteral("cmdReturn"));
    QCOMPARE(program.dialogs.messages().size(), 1);
    QCOMPARE(answerStore().answerOf(26), QStringLiteral("First aid"));
    QCOMPARE(answerStore().answerOf(27), QStringLiteral("the work"));
    for (int q : {24, 25, 28})
        QVERIFY(answerStore().hasValue(q) && !answerStore().isAnswered(q));
    QCOMPARE(dataChanged(page), QStringLiteral("N"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmVolunMain")});
    // The overview's own activation already saw the stored answers.
    QVERIFY(program.child(QStringLiteral("frmVolunMain"), QStringLiteral("cmdSkills2"))->isVisible());
    QVERIFY(program.child(QStringLiteral("frmVolunMain"), QStringLiteral("cmdLike2"))->isVisible());
    QVERIFY(!program.child(QStringLiteral("frmVolunMain"), QStringLiteral("cmdWanted2"))->isVisible());
}

void TstQuestionPages::saveThenReturnAsksNothing()
{
    TestProgram program;
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

void TstQuestionPages::dataChangedFollowsEdits()
{
    TestProgram program;
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

void TstQuestionPages::pageOpenedAfterLoadShowsAnswers()
{
    TestProgram program;
    const QString page = QStringLiteral("frmWedding2");
    openPage(program, page);
    QTest::keyClicks(box(page, QStringLiteral("txtAdvice")), QStringLiteral("typed, not saved"));
    program.dialogs.answer(MsgAnswer::No);
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

void TstQuestionPages::enterAddsLineEscDoesNothing()
{
    TestProgram program;
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

void TstQuestionPages::closeBoxAsksOnlyExitQuestion_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("reply");
    for (const expected::Page &p : expected::pages) {
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 No").arg(p.name))) << QString::fromLatin1(p.name) << int(MsgAnswer::No);
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 Yes").arg(p.name))) << QString::fromLatin1(p.name) << int(MsgAnswer::Yes);
    }
}

void TstQuestionPages::closeBoxAsksOnlyExitQuestion()
{
    QFETCH(QString, page);
    QFETCH(int, reply);
    TestProgram program;
    Form *w = openPage(program, page);
    const QString first = firstBox(page);
    QTest::keyClicks(box(page, first), QStringLiteral("unsaved"));
    program.dialogs.answer(reply);
    QVERIFY(!w->close());
    const QList<DialogCall> asked = program.dialogs.messages();
    QCOMPARE(asked.size(), 1);
    QVERIFY(isExitQuestion(asked[0]));
    QCOMPARE(asked[0].parentName, page);
    QCOMPARE(program.dialogs.endCount, reply == MsgAnswer::Yes ? 1 : 0);
    QVERIFY(!answerStore().isAnswered(QuestionCatalogue::numberOfTextBox(page, first)));
    if (reply == MsgAnswer::No) {
        QCOMPARE(TestProgram::visibleForms(), QStringList{page});
        QCOMPARE(box(page, first)->toPlainText(), QStringLiteral("unsaved"));
        QCOMPARE(dataChanged(page), QStringLiteral("Y"));
    }
}

QTEST_MAIN(TstQuestionPages)
#include "tst_question_pages.moc"
