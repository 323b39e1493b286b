// Every window, on a light and on a dark desktop: contrast of what is drawn, and what a
// screen reader is told about each control.
#include "test_app.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {
double luminance(QRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double contrastOf(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The ground of an area is its commonest colour; its ink is the colour farthest from it.
double inkContrast(const QImage &img, const QRect &area)
{
    QHash<QRgb, int> count;
    const QRect r = area & img.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++count[img.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > count.value(ground))
            ground = it.key();
    double best = 1;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        best = qMax(best, contrastOf(it.key(), ground));
    return best;
}

QPalette darkDesktop()
{
    QPalette p(QColor(220, 220, 220), QColor(53, 53, 53), QColor(90, 90, 90), QColor(20, 20, 20), QColor(40, 40, 40),
               QColor(230, 230, 230), Qt::white, QColor(35, 35, 35), QColor(48, 48, 48));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return p;
}

QRect inWindow(const QWidget *w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// The program's own controls: named, and not Qt's internal helpers.
QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> out;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        auto *label = qobject_cast<QLabel *>(c);
        if (qobject_cast<QAbstractButton *>(c) || qobject_cast<QAbstractScrollArea *>(c)
            || (label && (!label->text().isEmpty() || !label->pixmap().isNull())))
            out << c;
    }
    return out;
}

QString accessible(QWidget *w, QAccessible::Text t)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(t) : QString();
}

// The marker of a row that shows now: the twin once marked, else the plain button.
QWidget *shownMarker(const TestProgram &p, const QString &window, const QString &marker)
{
    QWidget *twin = p.child(window, marker + QLatin1Char('2'));
    return twin && twin->isVisible() ? twin : p.child(window, marker);
}

void fillBoxes(QWidget *window)
{
    for (auto *e : window->findChildren<QPlainTextEdit *>())
        e->setPlainText(QStringLiteral("Wg Wg"));
    for (auto *e : window->findChildren<QTextEdit *>())
        e->setPlainText(QStringLiteral("Wg Wg"));
}
} // namespace

class TestReadableWindows : public QObject {
    Q_OBJECT
private slots:
    void contrast_data();
    void contrast();
    void accessibleNames_data();
    void accessibleNames();
    void markersTellTheirState_data();
    void markersTellTheirState();
};

void TestReadableWindows::contrast_data()
{
    TestProgram p;
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("dark");
    const QStringList names = Forms::registeredNames();
    QCOMPARE(names.size(), 41);
    for (const QString &n : names) {
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 on a light desktop").arg(n))) << n << false;
        QTest::newRow(qPrintable(QStringLiteral("robustness: %1 on a dark desktop").arg(n))) << n << true;
    }
}

void TestReadableWindows::contrast()
{
    QFETCH(QString, window);
    QFETCH(bool, dark);
    const QPalette desktop = QApplication::palette();
    if (dark)
        QApplication::setPalette(darkDesktop());
    TestProgram p;
    Form *w = Forms::load(window);
    QVERIFY(w);
    fillBoxes(w);
    const QImage img = w->grab().toImage();
    QApplication::setPalette(desktop);
    QCOMPARE(img.size(), w->size());
    QStringList faint;
    for (QWidget *c : controlsOf(w)) {
        if (!c->isVisibleTo(w))
            continue;
        const QRect r = inWindow(c);
        auto *button = qobject_cast<QPushButton *>(c);
        auto *label = qobject_cast<QLabel *>(c);
        if (label && label->text().isEmpty())
            continue; // a picture
        double got = 0, need = 4.5;
        if (button && button->text().isEmpty()) {
            // A marker square against the window just beside it.
            got = contrastOf(img.pixel(r.center()), img.pixel(r.left() - 3, r.center().y()));
            need = 3.0;
        } else if (auto *area = qobject_cast<QAbstractScrollArea *>(c)) {
            got = inkContrast(img, inWindow(area->viewport()));
            const QRgb page = img.pixel(inWindow(area->viewport()).topLeft() + QPoint(1, 1));
            QVERIFY2(qGray(page) > 200, qPrintable(c->objectName() + QStringLiteral(": the page is not light")));
        } else {
            got = inkContrast(img, button ? r.adjusted(3, 3, -3, -3) : r);
        }
        if (got < need)
            faint << QStringLiteral("%1 %2:1").arg(c->objectName()).arg(got, 0, 'f', 2);
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
}

void TestReadableWindows::accessibleNames_data()
{
    TestProgram p;
    QTest::addColumn<QString>("window");
    for (const QString &n : Forms::registeredNames())
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1").arg(n))) << n;
}

void TestReadableWindows::accessibleNames()
{
    QFETCH(QString, window);
    TestProgram p;
    Form *w = Forms::load(window);
    QVERIFY(w);
    QStringList unnamed;
    for (QWidget *c : controlsOf(w))
        if (accessible(c, QAccessible::Name).trimmed().isEmpty())
            unnamed << c->objectName();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void TestReadableWindows::markersTellTheirState_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("name");
    QTest::newRow("nominal: main menu section") << "frmMain" << "cmdFirstCar" << "First Car";
    QTest::newRow("nominal: overview question") << "frmCarMain" << "cmdCar"
                                                << "What was your first car?  (Make, model, year, color, etc.)";
}

void TestReadableWindows::markersTellTheirState()
{
    QFETCH(QString, window);
    QFETCH(QString, marker);
    QFETCH(QString, name);
    TestProgram p;
    p.startToMainMenu();
    QCOMPARE(accessible(p.child("frmMain", "cmdInfo"), QAccessible::Name), QStringLiteral("About this Program"));
    Forms::navigate(Forms::find("frmMain"), window);
    QCOMPARE(accessible(shownMarker(p, window, marker), QAccessible::Name), name);
    QCOMPARE(accessible(shownMarker(p, window, marker), QAccessible::Description), QStringLiteral("Not answered"));
    for (int q = 19; q <= 23; ++q)
        answerStore().setAnswer(q, QStringLiteral("Blue"));
    Forms::navigate(Forms::find(window), window == "frmMain" ? "frmCarMain" : "frmMain");
    Forms::navigate(Forms::active(), window);
    QCOMPARE(accessible(shownMarker(p, window, marker), QAccessible::Name), name);
    QCOMPARE(accessible(shownMarker(p, window, marker), QAccessible::Description), QStringLiteral("Answered"));
}

QTEST_MAIN(TestReadableWindows)
#include "tst_readable_windows.moc"
