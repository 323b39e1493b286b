#pragma once
// The eleven section overview windows: one row per question of the section, top to bottom in
// the catalogue's order. Window and control names, question texts and the page each row opens
// come from the catalogue.

#include "questionnaire/catalogue.h"

#include <span>

struct OverviewRow {
    int top;            // twips, for both markers and the label
    int labelHeight;    // twips
    int labelWidth = 0; // twips; 0 takes the window's label width
};

struct OverviewWindow {
    SectionId section;
    const char *caption;
    int width, height;   // client area, twips
    int returnLeft, returnTop;
    int labelWidth;
    bool publicSecondOpener; // the second page opens through the public frm2()
    std::span<const OverviewRow> rows;
};

std::span<const OverviewWindow> overviewWindows();
// "frmChildMain"
QString overviewName(const OverviewWindow &window);
