#pragma once
#include "shell/form.h"
#include "questionnaire/catalogue.h"

#include <QPushButton>
#include <array>

class ClickLabel;

// frmMain: the hub. Every row opens a window (or runs the load command); section rows carry
// the answered markers, recomputed on every activation and only ever switched on.
class MainMenu : public Form {
    Q_OBJECT
public:
    explicit MainMenu(QWidget *parent = nullptr);
    void formLoad() override;
    void formActivate() override;

    // "Load Previously Saved Data": the data file reader's load command over this window.
    void LoadData();

private:
    void buildRow(int tab);
    void open(const QString &target);
    struct SectionMarker {
        QPushButton *marker = nullptr;
        QPushButton *twin = nullptr;
    };
    std::array<SectionMarker, kSectionCount> m_sections;
};
