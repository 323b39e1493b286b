#pragma once
// A section's list of questions: one row per question with its answered marker and its text.
// Clicking any control of a row opens the row's page; "&Return to Main" goes back to frmMain.

#include "shell/form.h"
#include "questionnaire/windows/overview_table.h"

#include <QList>
#include <QStringList>

class QPushButton;

class SectionOverview : public Form {
    Q_OBJECT
public:
    explicit SectionOverview(const OverviewWindow &desc, QWidget *parent = nullptr);
    void formLoad() override;
    void formActivate() override;

protected:
    // Shows page `index` (0-based, page order of the section) and hides this window.
    virtual void openPage(int index);

private:
    struct Row {
        int question;
        int page;
        QRect place; // twips, shared by both markers
        QPushButton *marker;
        QPushButton *twin;
    };
    void buildRow(const OverviewRow &row, const QuestionInfo &question);
    void cmdReturn_Click();

    const OverviewWindow &m_desc;
    QStringList m_pages;
    QList<Row> m_rows;
};

// frmHighSchMain and frmMilitaryMain open their second page through the public frm2.
class TwoPageOverview : public SectionOverview {
    Q_OBJECT
public:
    using SectionOverview::SectionOverview;
public slots:
    void frm2();

protected:
    void openPage(int index) override;
};
