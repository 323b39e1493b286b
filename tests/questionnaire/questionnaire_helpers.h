#pragma once
// Shared steps of the questionnaire tests: reaching windows the way the user does.

#include "expected_windows.h"
#include "test_app.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qhelp {

constexpr int kTwips = 15;

// A control's place in twips from the top left of its window's client area.
inline QRect twipsOf(const QWidget *w)
{
    const QPoint p = w->mapTo(w->window(), QPoint(0, 0));
    return QRect(p.x() * kTwips, p.y() * kTwips, w->width() * kTwips, w->height() * kTwips);
}

// The main menu's button for a section's overview.
inline QString menuButtonOf(const QString &overview)
{
    static const QHash<QString, QString> buttons{
        {"frmChildMain", "cmdChildhood"}, {"frmHighSchMain", "cmdHighSch"}, {"frmCarMain", "cmdFirstCar"},
        {"frmVolunMain", "cmdVolunteer"}, {"frmJobsMain", "cmdJobs"}, {"frmCollegeMain", "cmdCollege"},
        {"frmMilitaryMain", "cmdMilitary"}, {"frmWeddingMain", "cmdWedding"}, {"frmTravelMain", "cmdTravel"},
        {"frmLifeMain", "cmdLife"}, {"frmFinalMain", "cmdFinal"},
    };
    return buttons.value(overview);
}

inline const expected::Page &pageSpec(const QString &page)
{
    for (const expected::Page &p : expected::pages)
        if (page == QLatin1String(p.name))
            return p;
    qFatal("unknown page %s", qPrintable(page));
}

inline QList<const expected::PageBox *> boxesOf(const QString &page)
{
    QList<const expected::PageBox *> out;
    for (const expected::PageBox &b : expected::pageBoxes)
        if (page == QLatin1String(b.window))
            out << &b;
    return out;
}

// Starts the program and opens the overview from the main menu, as the user does.
inline Form *openOverview(TestProgram &program, const QString &overview)
{
    if (!Forms::find(QStringLiteral("frmMain")) || !Forms::find(QStringLiteral("frmMain"))->isVisible())
        program.startToMainMenu();
    program.click(QStringLiteral("frmMain"), menuButtonOf(overview));
    return Forms::find(overview);
}

// Main menu, overview, then the label of the page's first question.
inline Form *openPage(TestProgram &program, const QString &page)
{
    const QString overview = QString::fromLatin1(pageSpec(page).returnShows);
    openOverview(program, overview);
    for (const expected::OverviewRow &r : expected::overviewRows) {
        if (page == QLatin1String(r.opens)) {
            program.click(overview, QStringLiteral("lbl") + QLatin1String(r.item));
            break;
        }
    }
    return Forms::find(page);
}

inline QPlainTextEdit *box(const QString &page, const QString &name)
{
    Form *f = Forms::find(page);
    return f ? f->findChild<QPlainTextEdit *>(name) : nullptr;
}

inline QString dataChanged(const QString &page)
{
    Form *f = Forms::find(page);
    return f ? f->property("DataChanged").toString() : QString();
}

// One row a question page, named after it.
inline void addPageRows()
{
    QTest::addColumn<QString>("page");
    for (const expected::Page &p : expected::pages)
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1").arg(p.name))) << QString::fromLatin1(p.name);
}

// One row a page's answer box, by its place in expected::pageBoxes.
inline void addPageBoxRows()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(expected::pageBoxes)); ++i) {
        const expected::PageBox &b = expected::pageBoxes[i];
        QTest::newRow(qPrintable(QStringLiteral("nominal: %1 %2").arg(b.window, b.textBox))) << i;
    }
}

} // namespace qhelp
