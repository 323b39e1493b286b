#pragma once
// The nineteen question pages: caption, layout, client area, and the boxes in tab order.
// Each box names the question it edits; the catalogue gives that question's window, its text
// box and label names and its wording, so the page's own name and its section's come from there.

#include <QString>
#include <span>

// A: two questions a column, one in a band below with Save and Return stacked beside it.
// B: one question a column, one in the band. C: two a column, buttons below, no band.
// D: two questions left, one in a shorter right column with the buttons side by side below it.
enum class PageLayout { A, B, C, D };
enum class BoxPlace { Left, Right, Band };

struct PageBox {
    const char *frame;     // "Frame1" .. "Frame3"
    BoxPlace place;
    int question;          // 1..77
    int labelLines;        // lines the wording takes at the label's width
    const char *caption = nullptr; // where the label differs from the catalogue text
};

struct PageWindow {
    const char *caption;
    PageLayout layout;
    int width, height;     // client area, twips
    std::span<const PageBox> boxes;
    int rightWidth = 3135; // right column frame
    int bandWidth = 5055;
    bool bandLabelAbove = false; // the band's label above a box spanning the band
};

std::span<const PageWindow> pageWindows();
// "frmChildhood1"
QString pageName(const PageWindow &page);
// The section's overview, which Return shows: "frmChildMain"
QString pageOverviewName(const PageWindow &page);
