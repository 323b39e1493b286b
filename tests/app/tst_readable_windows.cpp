// Every window, on a light and on a dark desktop: contrast of what is drawn, and what a
// screen reader is told about each control.
#include "test_app.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>

namespace {
// The contrast ratio of two colours, as the accessibility guidelines define it.
double contrastOf(QRgb a, QRgb b)
{
    auto lum = [](QRgb c) {
        auto lin = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c)) + 0.05;
    };
    return qMax(lum(a), lum(b)) / qMin(lum(a), lum(b));
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
    QAccessibleInterface *i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return i ? i->text(t) : QString();
}

void fillBoxes(QWidget *window)
{
    for (auto *e : window->findChildren<QAbstractScrollArea *>())
        QMetaObject::invokeMethod(e, "setPlainText", Q_ARG(QString, QStringLiteral("Wg Wg")));
}
} // namespace

class TestReadableWindows : public ProgramTest {
    Q_OBJECT
private slots:
    void everyWindow_data();
    void everyWindow();
    void markersTellTheirState_data();
    void markersTellTheirState();
};

void TestReadableWindows::everyWindow_data()
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

// Text at least 4.5:1 against its ground, marker squares 3:1 against the window, text boxes on
// a light page; and every control named for a screen reader.
void TestReadableWindows::everyWindow()
{
    QFETCH(QString, window);
    QFETCH(bool, dark);
    const QPalette desktop = QApplication::palette();
    if (dark)
        QApplication::setPalette(QPalette(QColor(53, 53, 53))); // white text on dark grey
    Form *w = Forms::load(window);
    QVERIFY(w);
    fillBoxes(w);
    const QImage img = w->grab().toImage();
    QApplication::setPalette(desktop);
    QStringList faults;
    for (QWidget *c : controlsOf(w)) {
        if (accessible(c, QAccessible::Name).trimmed().isEmpty())
            faults << c->objectName() + QStringLiteral(" unnamed");
        auto *button = qobject_cast<QPushButton *>(c);
        auto *label = qobject_cast<QLabel *>(c);
        if (!c->isVisibleTo(w) || (label && label->text().isEmpty()))
            continue; // hidden, or a picture
        const QRect r = inWindow(c);
        double got = 0, need = 4.5;
        if (button && button->text().isEmpty()) {
            got = contrastOf(img.pixel(r.center()), img.pixel(r.left() - 3, r.center().y()));
            need = 3.0;
        } else if (auto *area = qobject_cast<QAbstractScrollArea *>(c)) {
            got = inkContrast(img, inWindow(area->viewport()));
            if (qGray(img.pixel(inWindow(area->viewport()).topLeft() + QPoint(1, 1))) < 200)
                faults << c->objectName() + QStringLiteral(" on a dark page");
        } else {
            got = inkContrast(img, button ? r.adjusted(3, 3, -3, -3) : r);
        }
        if (got < need)
            faults << QStringLiteral("%1 %2:1").arg(c->objectName()).arg(got, 0, 'f', 2);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
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

// The marker that shows names its section or question and says whether it is answered.
void TestReadableWindows::markersTellTheirState()
{
    QFETCH(QString, window);
    QFETCH(QString, marker);
    QFETCH(QString, name);
    program.startToMainMenu();
    for (const char *state : {"Not answered", "Answered"}) {
        Forms::navigate(Forms::active(), window);
        QWidget *twin = program.child(window, marker + QLatin1Char('2'));
        QWidget *shown = twin->isVisible() ? twin : program.child(window, marker);
        QCOMPARE(accessible(shown, QAccessible::Name), name);
        QCOMPARE(accessible(shown, QAccessible::Description), QString::fromLatin1(state));
        for (int q = 19; q <= 23; ++q)
            answerStore().setAnswer(q, QStringLiteral("Blue"));
        Forms::navigate(Forms::active(), window == "frmMain" ? "frmCarMain" : "frmMain");
    }
}

QTEST_MAIN(TestReadableWindows)
#include "tst_readable_windows.moc"
