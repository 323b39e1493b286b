// The focus ring, measured from what is drawn: at least 2 px wide, at least 3:1 from the ground
// on both sides of it, on buttons, markers and boxes, on light and dark desktops; and none
// around a control without the focus.
#include "shell/focus_ring.h"
#include "test_app.h"

#include <QPalette>
#include <QWidget>

class TestFocusRing : public QObject {
    Q_OBJECT
private slots:
    void ringAroundTheFocus_data();
    void ringAroundTheFocus();
};

namespace {
QPalette darkDesktop()
{
    QPalette p(QColor(220, 220, 220), QColor(45, 45, 45));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    return p;
}

// The pixels left of the control's left edge, half way down, as the window draws them:
// [5] the ground outside the ring, [3] and [2] the ring, [1] the gap, [0] the control's edge.
QList<QColor> leftOf(QWidget *control)
{
    QWidget *window = control->window();
    const QImage image = window->grab().toImage();
    const QPoint edge = control->mapTo(window, QPoint(0, control->height() / 2));
    QList<QColor> out;
    for (int d = 0; d <= 5; ++d)
        out << image.pixelColor(edge.x() - d, edge.y());
    return out;
}
} // namespace

void TestFocusRing::ringAroundTheFocus_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("dark");
    for (bool dark : {false, true}) {
        const QString desktop = dark ? QStringLiteral(" (dark desktop)") : QStringLiteral(" (light desktop)");
        QTest::newRow(qPrintable("nominal: marker" + desktop)) << "frmMain" << "cmdInfo" << dark;
        QTest::newRow(qPrintable("nominal: push button" + desktop)) << "frmMain" << "cmdExit" << dark;
        QTest::newRow(qPrintable("nominal: answer box" + desktop)) << "frmChildhood1" << "txtGrowUp" << dark;
        QTest::newRow(qPrintable("nominal: page button" + desktop)) << "frmChildhood1" << "cmdSave" << dark;
    }
}

void TestFocusRing::ringAroundTheFocus()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(bool, dark);
    const QPalette desktop = QApplication::palette();
    if (dark)
        QApplication::setPalette(darkDesktop());
    {
        TestProgram program;
        program.startToMainMenu();
        QWidget *form = Forms::show(window);
        QVERIFY(form);
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        auto *target = program.child<QWidget>(window, control);
        auto *other = program.child<QWidget>(window, window == QLatin1String("frmMain") ? "cmdInstruc" : "txtToys");
        QVERIFY(target && other);
        other->setFocus();
        QTRY_VERIFY(other->hasFocus() || QApplication::focusWidget() == other);
        const QList<QColor> before = leftOf(target);
        const QRect place = target->geometry();
        target->setFocus();
        QTRY_VERIFY(QApplication::focusWidget() == target);
        const QList<QColor> after = leftOf(target);
        // Two pixels of ring, each standing out at 3:1 from the ground outside it and the gap inside.
        for (int d : {2, 3}) {
            QVERIFY2(contrastRatio(after[d], after[5]) >= 3.0, qPrintable(QStringLiteral("%1 on %2").arg(after[d].name(), after[5].name())));
            QVERIFY2(contrastRatio(after[d], after[1]) >= 3.0, qPrintable(QStringLiteral("%1 on %2").arg(after[d].name(), after[1].name())));
        }
        QCOMPARE(after[2], after[3]);
        // Without the focus, the same place shows the ground only; the control keeps its place and size.
        QCOMPARE(before[2], before[5]);
        QCOMPARE(before[3], before[5]);
        QCOMPARE(target->geometry(), place);
    }
    QApplication::setPalette(desktop);
}

QTEST_MAIN(TestFocusRing)
#include "tst_focus_ring.moc"
