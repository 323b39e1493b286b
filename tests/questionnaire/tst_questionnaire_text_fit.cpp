// Every label of every window shows its whole text in its fixed size with an Arial-metric
// font at 96 dpi (also run at 1.5x and 2x scaling), and on the 30 questionnaire windows no
// text, box or button covers another.
#include "questionnaire_helpers.h"

#include "shell/look.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>

using namespace qhelp;

namespace {
struct Piece {
    QString name;
    QRect area; // twips, window coordinates: what the control covers or draws
};

QRect textArea(const QLabel *label)
{
    const QRect whole = twipsOf(label);
    if (!label->wordWrap()) // one line, as wide as its text
        return QRect(whole.topLeft(), label->sizeHint() * kTwips);
    const QFontMetrics fm(label->font(), label);
    const QRect need = fm.boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                                       label->text());
    return QRect(whole.topLeft(), QSize(need.width() * kTwips, label->heightForWidth(label->width()) * kTwips));
}

// An answered twin stands where its marker does, on purpose.
bool twins(const QString &a, const QString &b) { return a + QLatin1Char('2') == b || b + QLatin1Char('2') == a; }
} // namespace

class TstQuestionnaireTextFit : public ProgramTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void labelsFit_data();
    void labelsFit();
    void nothingOverlaps_data();
    void nothingOverlaps();
};

void TstQuestionnaireTextFit::initTestCase()
{
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty())
        QCOMPARE(qApp->devicePixelRatio(), scale.toDouble());
    const QFontInfo info(labelFont());
    QVERIFY2(info.family() == QLatin1String("Arial") || info.family() == QLatin1String("Liberation Sans"),
             qPrintable(QStringLiteral("Arial resolves to %1; install fonts-liberation2").arg(info.family())));
}

void TstQuestionnaireTextFit::labelsFit_data()
{
    TestProgram program;
    QTest::addColumn<QString>("window");
    const QStringList names = Forms::registeredNames();
    QCOMPARE(names.size(), 41);
    for (const QString &n : names)
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1").arg(n))) << n;
}

void TstQuestionnaireTextFit::nothingOverlaps_data()
{
    QTest::addColumn<QString>("window");
    for (const expected::Overview &o : expected::overviews)
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1").arg(o.name))) << QString::fromLatin1(o.name);
    for (const expected::Page &p : expected::pages)
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1").arg(p.name))) << QString::fromLatin1(p.name);
}

void TstQuestionnaireTextFit::labelsFit()
{
    QFETCH(QString, window);
    Form *w = Forms::load(window);
    QVERIFY(w);
    QStringList clipped;
    for (QLabel *label : w->findChildren<QLabel *>()) {
        QCOMPARE(label->logicalDpiY(), 96);
        if (label->text().isEmpty())
            continue; // a picture, or a label left empty on purpose
        const QRect need = textArea(label), have = twipsOf(label);
        if (need.width() > have.width() || need.height() > have.height())
            clipped << QStringLiteral("%1 needs %2x%3, has %4x%5")
                           .arg(label->objectName())
                           .arg(need.width()).arg(need.height())
                           .arg(have.width()).arg(have.height());
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
}

void TstQuestionnaireTextFit::nothingOverlaps()
{
    QFETCH(QString, window);
    Form *w = Forms::load(window);
    QVERIFY(w);
    QList<Piece> pieces;
    const QRect client(QPoint(0, 0), w->size() * kTwips);
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(c))
            pieces.append({c->objectName(), textArea(static_cast<QLabel *>(c))});
        else if (qobject_cast<QAbstractButton *>(c) || qobject_cast<QPlainTextEdit *>(c))
            pieces.append({c->objectName(), twipsOf(c)});
        else if (qobject_cast<QGroupBox *>(c))
            QVERIFY2(client.contains(twipsOf(c)), qPrintable(c->objectName()));
    }
    QStringList clashes;
    for (int i = 0; i < pieces.size(); ++i) {
        QVERIFY2(client.contains(pieces[i].area), qPrintable(pieces[i].name + QStringLiteral(" leaves the window")));
        for (int j = i + 1; j < pieces.size(); ++j)
            if (pieces[i].area.intersects(pieces[j].area) && !twins(pieces[i].name, pieces[j].name))
                clashes << pieces[i].name + QStringLiteral(" / ") + pieces[j].name;
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral(", "))));
}

QTEST_MAIN(TstQuestionnaireTextFit)
#include "tst_questionnaire_text_fit.moc"
