// The seven information windows, driven through the real windows from the main menu.
#include "info_helpers.h"

#include "shell/twips.h"

namespace {
const QStringList kAskingWindows = {"frmInstruc", "frmInfo", "frmShare", "frmWarranty", "frmDistribution"};

// The main menu entry that opens each window, and the button that leads back.
QString menuButton(const QString &window)
{
    static const QMap<QString, QString> buttons = {{"frmInstruc", "cmdInstruc"},
                                                   {"frmInfo", "cmdInfo"},
                                                   {"frmShare", "cmdShareware"},
                                                   {"frmWarranty", "cmdWarranty"},
                                                   {"frmDistribution", "cmdDistribution"}};
    return buttons.value(window);
}
QString backButton(const QString &window) { return window == "frmInstruc" ? "cmdReturn" : "cmdClose"; }
} // namespace

class TestInfoWindows : public ProgramTest {
    Q_OBJECT
    TestProgram &p = program;
private slots:
    void windows_data();
    void windows();
    void controls_data();
    void controls();
    void looks();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
    void fillMoments_data();
    void fillMoments();
    void reopeningShowsSameTexts();
    void mainMenuOpensAndReturns_data();
    void mainMenuOpensAndReturns();
    void exitQuestion_data();
    void exitQuestion();
};

void TestInfoWindows::windows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");
    QTest::addColumn<bool>("centred");
    QTest::newRow("nominal: instructions") << "frmInstruc" << "Kinscribe - Instructions" << QSize(6990, 5085) << true;
    QTest::newRow("nominal: about") << "frmInfo" << "Kinscribe" << QSize(6195, 3990) << true;
    QTest::newRow("nominal: shareware") << "frmShare" << "Kinscribe - Information About Shareware"
                                        << QSize(7980, 4815) << true;
    QTest::newRow("nominal: warranty") << "frmWarranty" << "Kinscribe - Warranty Information" << QSize(7065, 4680)
                                       << true;
    QTest::newRow("nominal: distribution") << "frmDistribution" << "Kinscribe - Distribution Information"
                                           << QSize(7170, 4680) << true;
    QTest::newRow("nominal: version history") << "frmVersionHx" << "Kinscribe - Version History"
                                              << QSize(6225, 4530) << true;
    QTest::newRow("nominal: credits") << "frmCredits2" << InfoText::creditsCaption() << QSize(6945, 5295) << false;
}

void TestInfoWindows::windows()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);
    QFETCH(bool, centred);
    Form *w = Forms::load(name);
    QVERIFY(w);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), QSize(twips(clientTwips.width()), twips(clientTwips.height())));
    if (centred) {
        // Centred frame included, once the frame is known.
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->pos(), centredPosition(w));
    }
    QCOMPARE(bool(w->windowFlags() & Qt::FramelessWindowHint), !centred);
}

void TestInfoWindows::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QRect>("twipsGeometry"); // empty: sized to its text
    const QString close = "Click here to close this window.";
    for (const char *w : {"frmInfo", "frmShare", "frmWarranty", "frmDistribution", "frmVersionHx"})
        QTest::addRow("nominal: %s close", w) << w << "cmdClose" << "&Close" << close << QRect();
    QTest::newRow("nominal: credits close") << "frmCredits2" << "cmdClose" << "&Close" << close << QRect();
    QTest::newRow("nominal: instructions return") << "frmInstruc" << "cmdReturn" << "&Return to Main Screen"
                                                  << "Click here to return to the main screen." << QRect();
    QTest::newRow("nominal: about picture") << "frmInfo" << "Picture1" << "" << "Click here to read the credits."
                                            << QRect();
    QTest::newRow("nominal: version history link") << "frmInfo" << "Label2" << "Version History"
                                                   << "Click here to read the version history." << QRect();
    QTest::newRow("nominal: about heading") << "frmInfo" << "Label1" << "" << "" << QRect();
    QTest::newRow("nominal: contact block") << "frmInfo" << "lblAddy" << InfoText::contactBlock() << ""
                                            << QRect(600, 720, 4935, 1455);
    QTest::newRow("nominal: shareware text") << "frmShare" << "Label1" << InfoText::shareware1() << ""
                                             << QRect(120, 120, 7695, 3855);
    QTest::newRow("nominal: warranty first") << "frmWarranty" << "Label1" << InfoText::warranty1() << ""
                                             << QRect(120, 120, 6735, 2415);
    QTest::newRow("nominal: warranty second") << "frmWarranty" << "Label2" << "" << "" << QRect(120, 2535, 6735, 1455);
    QTest::newRow("nominal: warranty third") << "frmWarranty" << "Label3" << "whole or in part." << "" << QRect();
    QTest::newRow("nominal: distribution text") << "frmDistribution" << "Label1" << InfoText::distribution1() << ""
                                                << QRect(120, 120, 6855, 4095);
    QTest::newRow("nominal: version history title") << "frmVersionHx" << "Label1" << "Kinscribe - Version History"
                                                    << "" << QRect();
    QTest::newRow("nominal: version history text") << "frmVersionHx" << "lblVersionHx" << InfoText::versionHistory()
                                                   << "" << QRect(120, 600, 5895, 3255);
    QTest::newRow("nominal: dedication") << "frmCredits2" << "Label1" << InfoText::dedication() << ""
                                         << QRect(1440, 1920, 3135, 855);
    QTest::newRow("nominal: instructions first") << "frmInstruc" << "Label1" << InfoText::instructions1() << ""
                                                 << QRect();
    QTest::newRow("nominal: instructions third") << "frmInstruc" << "Label3" << InfoText::instructions3() << ""
                                                 << QRect();
}

void TestInfoWindows::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    QFETCH(QRect, twipsGeometry);
    Form *w = Forms::show(window);
    QVERIFY(w);
    QWidget *c = p.child(window, control);
    QVERIFY(c);
    QVERIFY(c->isVisible());
    QCOMPARE(c->toolTip(), tooltip);
    if (auto *b = qobject_cast<QPushButton *>(c)) {
        QCOMPARE(b->text(), text);
        QVERIFY(w->rect().contains(b->geometry()));
        QVERIFY(b->geometry().right() > w->width() * 2 / 3 || window == "frmCredits2"); // lower right
    } else {
        QCOMPARE(qobject_cast<QLabel *>(c)->text(), text);
    }
    if (!twipsGeometry.isNull())
        QCOMPARE(c->geometry(),
                 twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(), twipsGeometry.height()));
}

void TestInfoWindows::looks()
{
    for (const char *w : {"frmInfo", "frmInstruc", "frmVersionHx", "frmCredits2"})
        Forms::show(w);
    const QColor navy(0, 0, 128);
    QLabel *addy = label(p, "frmInfo", "lblAddy");
    QCOMPARE(addy->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(addy->font().family(), QString("Arial"));
    QVERIFY(addy->font().bold());
    QCOMPARE(addy->font().pointSizeF(), 9.75);
    QVERIFY(addy->alignment() & Qt::AlignHCenter);
    QLabel *link = label(p, "frmInfo", "Label2");
    QCOMPARE(link->font(), QApplication::font());
    QCOMPARE(link->size(), link->sizeHint());
    QLabel *instruc = label(p, "frmInstruc", "Label2");
    QCOMPARE(instruc->palette().color(QPalette::WindowText), navy);
    QVERIFY(instruc->font().bold());
    QVERIFY(instruc->wordWrap());
    QLabel *history = label(p, "frmVersionHx", "lblVersionHx");
    QCOMPARE(history->palette().color(QPalette::WindowText), navy);
    QCOMPARE(history->font(), QApplication::font());
    QLabel *heading = label(p, "frmVersionHx", "Label1");
    QVERIFY(heading->autoFillBackground());
    QCOMPARE(heading->size(), heading->sizeHint());
    QLabel *dedication = label(p, "frmCredits2", "Label1");
    QCOMPARE(dedication->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(dedication->font().pointSizeF(), 15.75);
    QVERIFY(!dedication->font().bold());
    QVERIFY(!dedication->autoFillBackground());
    Form *credits = Forms::find("frmCredits2");
    QVERIFY(credits->autoFillBackground());
    QCOMPARE(credits->palette().color(QPalette::Window), navy);
    QCOMPARE(Forms::find("frmInstruc")->palette().color(QPalette::Window), heading->palette().color(QPalette::Window));
    QCOMPARE(p.child<QLabel>("frmInfo", "Picture1")->pixmap().size(), QSize(32, 32));
}

void TestInfoWindows::textsFitTheirLabels_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : {"frmInstruc", "frmInfo", "frmShare", "frmWarranty", "frmDistribution", "frmVersionHx",
                          "frmCredits2"})
        QTest::addRow("nominal: %s", w) << w;
}

// A label cut at its bottom edge or running under another control loses text silently.
void TestInfoWindows::textsFitTheirLabels()
{
    QFETCH(QString, window);
    Form *w = Forms::show(window);
    const QList<QWidget *> controls = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *c : controls) {
        QVERIFY2(w->rect().contains(c->geometry()), qPrintable(c->objectName()));
        auto *l = qobject_cast<QLabel *>(c);
        if (l && l->wordWrap())
            QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
        else if (l)
            QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->objectName()));
        for (QWidget *other : controls) {
            if (other == c || !l || l->text().isEmpty())
                continue;
            // Only the lines the text takes count; the rest of a label's box may be blank.
            QRect used = l->geometry();
            used.setHeight(l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height());
            QVERIFY2(!used.intersects(other->geometry()),
                     qPrintable(l->objectName() + " overlaps " + other->objectName()));
        }
    }
}

void TestInfoWindows::fillMoments_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("everyActivation");
    QTest::newRow("nominal: instructions 1") << "frmInstruc" << "Label1" << InfoText::instructions1() << true;
    QTest::newRow("nominal: instructions 2") << "frmInstruc" << "Label2" << InfoText::instructions2() << true;
    QTest::newRow("nominal: instructions 3") << "frmInstruc" << "Label3" << InfoText::instructions3() << true;
    QTest::newRow("nominal: contact block") << "frmInfo" << "lblAddy" << InfoText::contactBlock() << true;
    QTest::newRow("nominal: shareware 1") << "frmShare" << "Label1" << InfoText::shareware1() << false;
    QTest::newRow("nominal: shareware 2") << "frmShare" << "Label2" << InfoText::shareware2() << false;
    QTest::newRow("nominal: warranty 1") << "frmWarranty" << "Label1" << InfoText::warranty1() << false;
    QTest::newRow("nominal: warranty 3") << "frmWarranty" << "Label3" << InfoText::warranty3() << false;
    QTest::newRow("nominal: distribution 1") << "frmDistribution" << "Label1" << InfoText::distribution1() << false;
    QTest::newRow("nominal: distribution 2") << "frmDistribution" << "Label2" << InfoText::distribution2() << false;
}

// Texts filled on activation come back whatever the label held; texts filled at load stay.
void TestInfoWindows::fillMoments()
{
    QFETCH(QString, window);
    QFETCH(QString, labelName);
    QFETCH(QString, text);
    QFETCH(bool, everyActivation);
    p.startToMainMenu();
    p.click("frmMain", menuButton(window));
    QLabel *l = label(p, window, labelName);
    QVERIFY(l);
    QCOMPARE(l->text(), text);
    l->setText("changed while open");
    p.click(window, backButton(window));
    p.click("frmMain", menuButton(window));
    QCOMPARE(TestProgram::visibleForms(), QStringList{window});
    QCOMPARE(l->text(), everyActivation ? text : QString("changed while open"));
}

void TestInfoWindows::reopeningShowsSameTexts()
{
    p.startToMainMenu();
    for (const QString &window : QStringList{"frmInstruc", "frmInfo"}) {
        QStringList first;
        for (int round = 0; round < 3; ++round) {
            p.click("frmMain", menuButton(window));
            QCOMPARE(TestProgram::visibleForms(), QStringList{window});
            QStringList texts;
            for (QLabel *l : Forms::find(window)->findChildren<QLabel *>())
                texts << l->objectName() + "=" + l->text();
            if (round == 0)
                first = texts;
            QCOMPARE(texts, first);
            p.click(window, backButton(window));
            QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
        }
        QVERIFY(first.join("").contains(window == "frmInfo" ? InfoText::contactBlock() : InfoText::instructions2()));
    }
    QVERIFY(p.dialogs.calls.isEmpty());
}

void TestInfoWindows::mainMenuOpensAndReturns_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("window");
    for (const QString &w : kAskingWindows) {
        const QString button = menuButton(w);
        const QString labelName = "lbl" + button.mid(3);
        QTest::addRow("nominal: %s", qPrintable(button)) << button << w;
        QTest::addRow("nominal: %s", qPrintable(labelName)) << labelName << w;
    }
}

void TestInfoWindows::mainMenuOpensAndReturns()
{
    QFETCH(QString, control);
    QFETCH(QString, window);
    p.startToMainMenu();
    for (int round = 0; round < 2; ++round) {
        p.click("frmMain", control);
        QCOMPARE(TestProgram::visibleForms(), QStringList{window});
        QCOMPARE(Forms::active(), Forms::find(window));
        p.click(window, backButton(window));
        QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
    }
    QVERIFY(p.dialogs.calls.isEmpty());
}

void TestInfoWindows::exitQuestion_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<MessageAnswer>("answer");
    for (const QString &w : kAskingWindows) {
        QTest::addRow("nominal: %s, No", qPrintable(w)) << w << MessageAnswer::No;
        QTest::addRow("nominal: %s, Yes", qPrintable(w)) << w << MessageAnswer::Yes;
    }
}

void TestInfoWindows::exitQuestion()
{
    QFETCH(QString, window);
    QFETCH(MessageAnswer, answer);
    p.startToMainMenu();
    p.click("frmMain", menuButton(window));
    p.dialogs.answer(answer);
    Form *w = Forms::find(window);
    QVERIFY(!w->close());
    QCOMPARE(exitQuestionFault(p, window), QString());
    QCOMPARE(p.dialogs.endCount, answer == MessageAnswer::Yes ? 1 : 0);
    QVERIFY(w->isVisible());
    QCOMPARE(TestProgram::visibleForms(), QStringList{window});
    QVERIFY(p.dialogs.unexpected.isEmpty());
}

QTEST_MAIN(TestInfoWindows)
#include "tst_info_windows.moc"
