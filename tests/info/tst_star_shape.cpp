// The credits window's star: its 26 corners and the shape they cut.
#include "info/star_shape.h"

#include <QTest>
#include <QtMath>

class TestStarShape : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void namedCorners_data();
    void namedCorners();
    void everyCornerIsTheNearestPixel();
    void outlineIsMirroredAboutTheVerticalAxis();
    void maskTakes_data();
    void maskTakes();
};

void TestStarShape::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("nominal: below a half") << 152.136 << 152;
    QTest::newRow("nominal: above a half") << 67.7 << 68;
    QTest::newRow("nominal: whole") << 200.0 << 200;
    QTest::newRow("robustness: half to even below") << 246.5 << 246;
    QTest::newRow("robustness: half to even above") << 153.5 << 154;
    QTest::newRow("robustness: zero and a half") << 0.5 << 0;
    QTest::newRow("robustness: one and a half") << 1.5 << 2;
    QTest::newRow("robustness: negative half") << -0.5 << 0;
    QTest::newRow("robustness: negative one and a half") << -1.5 << -2;
    QTest::newRow("robustness: negative two and a half") << -2.5 << -2;
    QTest::newRow("robustness: just under a half") << 2.4999999 << 2;
}

void TestStarShape::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(Star::roundHalfEven(value), expected);
}

void TestStarShape::namedCorners_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("nominal: point 0, straight below the centre") << 0 << QPoint(200, 225);
    QTest::newRow("nominal: point 13, the top tip") << 13 << QPoint(200, 0);
}

void TestStarShape::namedCorners()
{
    QFETCH(int, index);
    QFETCH(QPoint, expected);
    const QList<QPoint> pts = Star::points();
    QCOMPARE(pts.size(), 26);
    QCOMPARE(pts.at(index), expected);
}

// Corner k sits at angle 90 degrees + k/26 of a turn, on the inner ellipse (100 x 75) when k
// is even and on the outer one (200 x 150) when odd; rounding moves it at most half a pixel.
void TestStarShape::everyCornerIsTheNearestPixel()
{
    const QList<QPoint> pts = Star::points();
    QCOMPARE(pts.size(), 26);
    for (int k = 0; k < 26; ++k) {
        const double angle = M_PI / 2 + k * 2 * M_PI / 26;
        const double rx = k % 2 ? 200 : 100;
        const double ry = k % 2 ? 150 : 75;
        const double x = 200 + rx * std::cos(angle);
        const double y = 150 + ry * std::sin(angle);
        QVERIFY2(qAbs(pts[k].x() - x) <= 0.5 && qAbs(pts[k].y() - y) <= 0.5,
                 qPrintable(QStringLiteral("corner %1 at (%2, %3), expected near (%4, %5)")
                                .arg(k).arg(pts[k].x()).arg(pts[k].y()).arg(x).arg(y)));
        QVERIFY(QRect(0, 0, 401, 301).contains(pts[k]));
    }
}

void TestStarShape::outlineIsMirroredAboutTheVerticalAxis()
{
    const QList<QPoint> pts = Star::points();
    for (int k = 1; k < 13; ++k) {
        QCOMPARE(pts[k].x() + pts[26 - k].x(), 400);
        QCOMPARE(pts[k].y(), pts[26 - k].y());
    }
}

void TestStarShape::maskTakes_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    const QList<QPoint> pts = Star::points();
    const QPointF centre(200, 150);
    QTest::newRow("nominal: centre") << QPoint(200, 150) << true;
    for (int k = 1; k < 26; k += 2) {
        // Just inside each tip, a tenth of the way back towards the centre.
        const QPointF near = centre + (QPointF(pts[k]) - centre) * 0.9;
        QTest::addRow("nominal: tip %d", k) << near.toPoint() << true;
    }
    for (int k = 0; k < 26; k += 2) {
        // Beyond each inner corner lies the notch between two tips.
        const QPointF beyond = centre + (QPointF(pts[k]) - centre) * 1.3;
        QTest::addRow("robustness: notch beyond corner %d", k) << beyond.toPoint() << false;
    }
    QTest::newRow("robustness: top left corner of the box") << QPoint(0, 0) << false;
    QTest::newRow("robustness: top right corner of the box") << QPoint(399, 0) << false;
    QTest::newRow("robustness: bottom left corner of the box") << QPoint(0, 299) << false;
    QTest::newRow("robustness: bottom right corner of the box") << QPoint(399, 299) << false;
    QTest::newRow("robustness: bottom right of the window") << QPoint(462, 352) << false;
}

void TestStarShape::maskTakes()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    QCOMPARE(Star::region().contains(point), inside);
}

QTEST_GUILESS_MAIN(TestStarShape)
#include "tst_star_shape.moc"
