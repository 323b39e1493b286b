// The one test of the real Qt dialogs behind the dialog layer: find the modal box, check it, press a button.
#include "shell/dialogs.h"
#include "test_files.h"
#include "wait_for.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QListView>
#include <QInputDialog>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const MessageRequest kExitQuestion{MessageIcon::Exclamation, MessageButtons::YesNo, DefaultButton::Second};
const MessageRequest kLoadQuestion{MessageIcon::Question, MessageButtons::YesNoCancel, DefaultButton::Third};
const MessageRequest kSaveChanges{MessageIcon::Exclamation, MessageButtons::YesNo};
} // namespace

class TestRealDialogs : public TempDirTest {
    Q_OBJECT
private slots:
    void messageBox_data();
    void messageBox();
    void yesNoMustBeAnswered_data();
    void yesNoMustBeAnswered();
    void inputBox();
    void fileFilter();
    void openDialogLists_data();
    void openDialogLists();
    void fileDialogsRememberTheirFolder();
    void fontDialogOkAloneGivesItsFont();
    void progressShowsOnlyForLongWork();
};

void TestRealDialogs::messageBox_data()
{
    QTest::addColumn<MessageRequest>("request");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QString>("press");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("nominal: exit question, No default") << kExitQuestion << int(QMessageBox::Warning)
        << QStringList{"&Yes", "&No"} << "&No" << "&Yes" << MessageAnswer::Yes;
    QTest::newRow("nominal: load question, Cancel default") << kLoadQuestion << int(QMessageBox::Question)
        << QStringList{"&Yes", "&No", "Cancel"} << "Cancel" << "&No" << MessageAnswer::No;
    QTest::newRow("nominal: save changes, Yes default") << kSaveChanges << int(QMessageBox::Warning)
        << QStringList{"&Yes", "&No"} << "&Yes" << "&Yes" << MessageAnswer::Yes;
    QTest::newRow("nominal: information, OK") << MessageRequest{MessageIcon::Information} << int(QMessageBox::Information)
        << QStringList{"OK"} << "OK" << "OK" << MessageAnswer::Ok;
}

void TestRealDialogs::messageBox()
{
    QFETCH(MessageRequest, request);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, defaultButton);
    QFETCH(QString, press);
    QFETCH(MessageAnswer, answer);
    QWidget parent;
    parent.show();
    // Read what the box shows, then answer it; compare afterwards so a mismatch cannot leave it open.
    QString title, text, shownDefault;
    int shownIcon = -1;
    QStringList shown;
    whenModal({[&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        title = box->windowTitle();
        text = box->text();
        shownIcon = int(box->icon());
        shownDefault = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton *b : box->buttons())
            shown << b->text();
        for (QAbstractButton *b : box->buttons())
            if (b->text() == press)
                b->click();
    }});
    const MessageAnswer got =
        Dialogs::get().message(&parent, QStringLiteral("Are you sure?  Two spaces."), request, QStringLiteral("Kinscribe"));
    QCOMPARE(title, QStringLiteral("Kinscribe"));
    QCOMPARE(text, QStringLiteral("Are you sure?  Two spaces."));
    QCOMPARE(shownIcon, icon);
    std::sort(shown.begin(), shown.end());
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(shown, buttons);
    QCOMPARE(shownDefault, defaultButton);
    QCOMPARE(got, answer);
}

void TestRealDialogs::yesNoMustBeAnswered_data()
{
    QTest::addColumn<MessageRequest>("request");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("nominal: exit question") << kExitQuestion << MessageAnswer::Yes;
    QTest::newRow("nominal: save changes") << kSaveChanges << MessageAnswer::Yes;
    QTest::newRow("robustness: with Cancel, Esc still cancels") << kLoadQuestion << MessageAnswer::Cancel;
}

// Esc and the close button answer nothing on a box without Cancel; only a button answers it.
void TestRealDialogs::yesNoMustBeAnswered()
{
    QFETCH(MessageRequest, request);
    QFETCH(MessageAnswer, answer);
    QWidget parent;
    parent.show();
    whenModal({[&](QWidget *modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        modal->close();
        if (modal->isVisible())
            qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click();
    }});
    QCOMPARE(Dialogs::get().message(&parent, QStringLiteral("Do you want to save your changes?"), request,
                                    QStringLiteral("Save Changes")), answer);
}

void TestRealDialogs::inputBox()
{
    QWidget parent;
    parent.show();
    QString title, label;
    whenModal({[&](QWidget *modal) {
        auto *dlg = qobject_cast<QInputDialog *>(modal);
        if (!dlg) {
            modal->close();
            return;
        }
        title = dlg->windowTitle();
        label = dlg->labelText();
        dlg->setTextValue(QStringLiteral("car"));
        QMetaObject::invokeMethod(dlg, "accept", Qt::QueuedConnection);
    }});
    QCOMPARE(Dialogs::get().input(&parent, QStringLiteral("Find what?"), QStringLiteral("Find")), std::optional<QString>("car"));
    QCOMPARE(title, QStringLiteral("Find"));
    QCOMPARE(label, QStringLiteral("Find what?"));
    whenModal({[](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); }});
    QCOMPARE(Dialogs::get().input(&parent, QStringLiteral("Find what?"), QStringLiteral("Find")), std::nullopt);
}

void TestRealDialogs::progressShowsOnlyForLongWork()
{
    QtDialogs real;
    {
        // Short work, 150 ms in all, shows nothing.
        std::unique_ptr<WorkProgress> quick = real.progress(nullptr, QStringLiteral("Quick"), QStringLiteral("Kinscribe"));
        for (int step = 1; step <= 15; ++step) {
            QTest::qSleep(10);
            QVERIFY(quick->advance(step, 15));
            QVERIFY(!QApplication::activeModalWidget());
        }
    }
    std::unique_ptr<WorkProgress> progress = real.progress(nullptr, QStringLiteral("Opening \"story.rtf\"..."), QStringLiteral("Kinscribe"));
    QElapsedTimer clock;
    clock.start();
    QProgressDialog *shown = nullptr;
    // Work that would last 20 s reports every 10 ms.
    while (!shown && clock.elapsed() < 5000) {
        QVERIFY(progress->advance(clock.elapsed(), 20000));
        QTest::qSleep(10);
        if (auto *modal = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget()); modal && modal->isVisible()) {
            shown = modal;
        }
    }
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), QStringLiteral("Kinscribe"));
    QCOMPARE(shown->labelText(), QStringLiteral("Opening \"story.rtf\"..."));
    auto *cancel = shown->findChild<QPushButton *>();
    QVERIFY(cancel && cancel->text() == QStringLiteral("Cancel"));
    cancel->click();
    QTest::qSleep(50);
    QVERIFY(!progress->advance(clock.elapsed(), 20000));
    progress.reset();
    QVERIFY(!QApplication::activeModalWidget());
}

void TestRealDialogs::fileFilter()
{
    QCOMPARE(qtFileFilter(QStringLiteral("Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt|All Files (*.*)|*.*")),
             QStringLiteral("Rich Text Files (*.rtf);;Text Files (*.txt);;All Files (*.*)"));
    QCOMPARE(qtFileFilter(QStringLiteral("Data Files (*.dat)|*.dat|")), QStringLiteral("Data Files (*.dat)"));
    QCOMPARE(qtFileFilter(QStringLiteral("Pictures|*.png;*.jpg")), QStringLiteral("Pictures (*.png *.jpg)"));
}

void TestRealDialogs::openDialogLists_data()
{
    QTest::addColumn<int>("filter"); // index in the editor's Open filter
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("nominal: All Files (*.*) lists names without a dot too") << 2 << QStringList{"README", "a.rtf", "b.txt"};
    QTest::newRow("nominal: Rich Text Files") << 0 << QStringList{"a.rtf"};
    QTest::newRow("robustness: Text Files after All Files") << 1 << QStringList{"b.txt"};
}

void TestRealDialogs::openDialogLists()
{
    QFETCH(int, filter);
    QFETCH(QStringList, listed);
    for (const char *name : {"README", "a.rtf", "b.txt"})
        QVERIFY(writeBytes(dir.filePath(QString::fromLatin1(name)), {}));
    QWidget parent;
    parent.show();
    QStringList shown;
    whenModal({[&](QWidget *modal) {
        auto *dlg = qobject_cast<QFileDialog *>(modal);
        auto *types = modal->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        auto *view = modal->findChild<QListView *>(QStringLiteral("listView"));
        if (!dlg || !types || !view) {
            modal->close();
            return;
        }
        dlg->setDirectory(dir.path());
        // As a user's choice in the list of types: All Files first, then the row's filter.
        for (int index : {2, filter}) {
            types->setCurrentIndex(index);
            emit types->activated(index);
            emit types->textActivated(types->currentText());
        }
        const auto names = [view] {
            QStringList out;
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                out << view->model()->index(row, 0, view->rootIndex()).data().toString();
            out.sort();
            return out;
        };
        (void)QTest::qWaitFor([&] { return names() == listed; }, 3000);
        shown = names();
        dlg->reject();
    }});
    FileDialogRequest request;
    request.filter = QStringLiteral("Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    QCOMPARE(Dialogs::get().openFile(&parent, request), std::nullopt);
    QCOMPARE(shown, listed);
}

// Each kind of file dialog starts where the last one of its kind ended, in this run.
void TestRealDialogs::fileDialogsRememberTheirFolder()
{
    QVERIFY(writeBytes(dir.filePath("story.dat"), "x"));
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    QWidget parent;
    parent.show();
    QStringList startedIn;
    const auto chooseInDir = [&](QWidget *modal) {
        auto *dlg = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dlg);
        dlg->setDirectory(dir.path());
        // The name goes into the dialog's name box, which accept() reads, as a user types it.
        auto *name = dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(dir.filePath("story.dat"));
        QMetaObject::invokeMethod(dlg, "accept", Qt::QueuedConnection);
    };
    const auto recordAndCancel = [&](QWidget *modal) {
        auto *dlg = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dlg);
        startedIn << QFileInfo(dlg->directory().absolutePath()).canonicalFilePath();
        dlg->reject();
    };
    FileDialogRequest load;
    load.filter = QStringLiteral("Data Files (*.dat)|*.dat|");
    FileDialogRequest open;
    open.filter = QStringLiteral("Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    whenModal({chooseInDir, recordAndCancel, recordAndCancel});
    QVERIFY(Dialogs::get().openFile(&parent, load));
    QCOMPARE(Dialogs::get().openFile(&parent, load), std::nullopt);
    QCOMPARE(Dialogs::get().openFile(&parent, open), std::nullopt);
    QCOMPARE(startedIn.size(), 2);
    QCOMPARE(startedIn[0], folder);    // Load again: where the last Load ended
    QVERIFY(startedIn[1] != folder);   // Open keeps its own folder
}

// OK alone gives back the font the dialog was filled with, so the editor sees no change.
void TestRealDialogs::fontDialogOkAloneGivesItsFont()
{
    QWidget parent;
    parent.show();
    QFont initial(QFontInfo(QFont(QStringLiteral("arial"))).family());
    initial.setPointSizeF(12);
    whenModal({[](QWidget *modal) { QMetaObject::invokeMethod(modal, "accept", Qt::QueuedConnection); }});
    const std::optional<QFont> chosen = Dialogs::get().font(&parent, initial);
    QVERIFY(chosen);
    QCOMPARE(chosen->family(), initial.family());
    QCOMPARE(chosen->pointSizeF(), 12.0);
    QCOMPARE(chosen->weight(), initial.weight());
    QCOMPARE(chosen->italic(), false);
}

QTEST_MAIN(TestRealDialogs)
#include "tst_real_dialogs.moc"
