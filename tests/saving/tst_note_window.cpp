// frmNote, the reminder before a save under a new name: its controls and its activation.
#include "test_app.h"

#include "shell/twips.h"
#include "document/windows/note/note_window.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString kNote = QStringLiteral("frmNote");
const QString kLblNote = QStringLiteral(
    "When you save to a file, TWO files with the same name are actually created:  The main file, with a '.rtf' "
    "extension, and a data file, with a '.dat' extension.  These are saved in the same folder.  The '.dat' file is "
    "used to reload your information into the text boxes if you quit, restart the program and click on 'Load "
    "Previously Saved Data' on the Main page.");
const QString kLabel3 = QStringLiteral(
    "Changes to answers MUST be made in the individual text boxes in order to reload the correct information later!");

// Where a label's text puts visible ink when drawn without bounds (wrapped at the label's
// width); the faintest edge of antialiasing does not count.
QSize inkExtent(const QLabel *label)
{
    QLabel probe;
    probe.setFont(label->font());
    probe.setWordWrap(label->wordWrap());
    probe.setAlignment(label->alignment());
    probe.setText(label->text());
    probe.resize(label->wordWrap() ? label->width() : 4 * label->width(), 4 * label->height());
    const QImage image = probe.grab().toImage();
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    QSize extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - qGray(background)) > 48)
                extent = extent.expandedTo(QSize(x + 1, y + 1));
        }
    }
    return extent;
}
} // namespace

class TestNoteWindow : public ProgramTest {
    Q_OBJECT
private slots:
    void init()
    {
        registerNoteForm();
        ProgramTest::init();
    }
    void windowItself();
    void labels_data();
    void labels();
    void textsSetOnActivation();
    void activationClearsPendingSave();
    void closeBoxHidesWithoutQuestion();
};

void TestNoteWindow::windowItself()
{
    Form *note = Forms::show(kNote);
    QVERIFY(note);
    QCOMPARE(note->windowTitle(), QStringLiteral("Kinscribe"));
    QCOMPARE(note->size(), QSize(twips(5790), twips(4080)));
    auto *ok = note->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), twipsRect(2280, 3480, 1335, 495));
    QVERIFY(ok->autoDefault()); // Enter presses it like Space
    QCOMPARE(note->findChildren<QLabel *>().size(), 4);
}

void TestNoteWindow::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twipsGeometry");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("wrap");
    const QColor darkRed(192, 0, 0), darkBlue(0, 0, 128);
    QTest::newRow("nominal: Label1") << "Label1" << "NOTE:" << QRect(120, 240, 585, 240) << darkRed << false;
    QTest::newRow("nominal: lblNote") << "lblNote" << kLblNote << QRect(120, 600, 5535, 1695) << darkBlue << true;
    QTest::newRow("nominal: Label2") << "Label2" << "Don't delete either file if needed for future use!"
                                     << QRect(120, 2400, 5655, 255) << darkRed << false;
    QTest::newRow("nominal: Label3") << "Label3" << kLabel3 << QRect(120, 2760, 5535, 735) << darkBlue << true;
}

void TestNoteWindow::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, twipsGeometry);
    QFETCH(QColor, colour);
    QFETCH(bool, wrap);
    Forms::show(kNote);
    auto *label = program.child<QLabel>(kNote, name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QVERIFY2(placementFault(label, twipsGeometry).isEmpty(), qPrintable(placementFault(label, twipsGeometry)));
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->wordWrap(), wrap);
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QCOMPARE(label->font().pointSizeF(), 9.75);
    QVERIFY(label->font().bold());
    // Every text fits its label: no line or letter is cut off at the bottom or the right.
    const QSize ink = inkExtent(label);
    QVERIFY2(ink.width() <= label->width() && ink.height() <= label->height(),
             qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5").arg(name).arg(ink.width()).arg(ink.height())
                            .arg(label->width()).arg(label->height())));
}

void TestNoteWindow::textsSetOnActivation()
{
    Forms::load(kNote);
    QCOMPARE(program.child<QLabel>(kNote, "lblNote")->text(), QString());
    QCOMPARE(program.child<QLabel>(kNote, "Label3")->text(), QString());
    QCOMPARE(program.child<QLabel>(kNote, "Label2")->text(), QStringLiteral("Don't delete either file if needed for future use!"));
    Forms::show(kNote);
    QCOMPARE(program.child<QLabel>(kNote, "lblNote")->text(), kLblNote);
    QCOMPARE(program.child<QLabel>(kNote, "Label3")->text(), kLabel3);
}

void TestNoteWindow::activationClearsPendingSave()
{
    shared().saveRequest = SaveRequest::Yes;
    Forms::show(kNote);
    QCOMPARE(shared().saveRequest, SaveRequest::No);
}

void TestNoteWindow::closeBoxHidesWithoutQuestion()
{
    auto *note = qobject_cast<NoteWindow *>(Forms::show(kNote));
    QVERIFY(note);
    int dismissed = 0;
    connect(note, &NoteWindow::closedWithoutOk, this, [&] { ++dismissed; });
    QVERIFY(note->close());
    QVERIFY(!note->isVisible());
    QCOMPARE(dismissed, 1);
    QVERIFY(program.dialogs.calls.isEmpty());
    QCOMPARE(shared().saveRequest, SaveRequest::No);
    QCOMPARE(Forms::find(kNote), note); // hidden, not unloaded
}

QTEST_MAIN(TestNoteWindow)
#include "tst_note_window.moc"
