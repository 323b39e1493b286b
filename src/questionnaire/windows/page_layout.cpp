#include "questionnaire/windows/page_layout.h"

#include <algorithm>

namespace {
constexpr int kMargin = 120;       // between a frame's edge and what it holds, and around the window
constexpr int kInnerTop = 240;     // first label below a frame's top edge
constexpr int kLeftX = 120, kRightX = 3360, kColumnWidth = 3135;
constexpr int kBoxHeight = 975, kBandBoxWidth = 2895;
constexpr int kButtonWidth = 1095, kButtonHeight = 615;

int snap(int t) { return t / 15 * 15; } // whole pixels at 96 dpi

// Stacks the questions of one column, label above box; returns the height the column needs.
int stackColumn(const PageWindow &desc, BoxPlace place, int x, int width, PageGeometry &g)
{
    int y = kInnerTop;
    for (int i = 0; i < int(desc.boxes.size()); ++i) {
        if (desc.boxes[i].place != place)
            continue;
        const int lh = labelHeightForLines(desc.boxes[i].labelLines);
        g.labels[i] = QRect(x + kMargin, y, width - 2 * kMargin, lh);
        g.boxes[i] = QRect(x + kMargin, y + lh, width - 2 * kMargin, kBoxHeight);
        y += lh + kBoxHeight + kMargin;
    }
    return y;
}

void placeBand(const PageWindow &desc, const QRect &band, PageGeometry &g)
{
    for (int i = 0; i < int(desc.boxes.size()); ++i) {
        if (desc.boxes[i].place != BoxPlace::Band)
            continue;
        const int lh = labelHeightForLines(desc.boxes[i].labelLines);
        const int x = band.x() + kMargin, y = band.y() + kInnerTop;
        const int inner = band.width() - 2 * kMargin;
        if (desc.bandLabelAbove) {
            g.labels[i] = QRect(x, y, inner, lh);
            g.boxes[i] = QRect(x, y + lh, inner, band.bottom() + 1 - kMargin - (y + lh));
        } else {
            const int labelWidth = inner - kMargin - kBandBoxWidth;
            g.labels[i] = QRect(x, y, labelWidth, lh);
            g.boxes[i] = QRect(x + labelWidth + kMargin, y, kBandBoxWidth, band.height() - kInnerTop - kMargin);
        }
    }
}

QString frameAt(const PageWindow &desc, BoxPlace place)
{
    for (const PageBox &b : desc.boxes) {
        if (b.place == place)
            return QString::fromLatin1(b.frame);
    }
    return {};
}

void addFrame(PageGeometry &g, const PageWindow &desc, BoxPlace place, const QRect &rect)
{
    const QString name = frameAt(desc, place);
    if (!name.isEmpty())
        g.frames.append({name, rect});
}
} // namespace

PageGeometry layoutPage(const PageWindow &desc)
{
    PageGeometry g;
    g.labels.resize(desc.boxes.size());
    g.boxes.resize(desc.boxes.size());
    const int leftNeeds = stackColumn(desc, BoxPlace::Left, kLeftX, kColumnWidth, g);
    const int rightNeeds = stackColumn(desc, BoxPlace::Right, kRightX, desc.rightWidth, g);
    const int rightEdge = kRightX + desc.rightWidth;
    const int buttonsTop = desc.height - kMargin - kButtonHeight;

    int leftHeight = 0, rightHeight = 0;
    if (desc.layout == PageLayout::A || desc.layout == PageLayout::B) {
        leftHeight = rightHeight = std::max(leftNeeds, rightNeeds);
        const QRect band(kLeftX, leftHeight, desc.bandWidth, desc.height - leftHeight - kMargin);
        addFrame(g, desc, BoxPlace::Band, band);
        placeBand(desc, band, g);
        const int x = snap(band.right() + 1 + (desc.width - band.right() - 1 - kButtonWidth) / 2);
        const int y = snap(band.y() + (band.height() - 2 * kButtonHeight - kMargin) / 2);
        g.save = QRect(x, y, kButtonWidth, kButtonHeight);
        g.ret = QRect(x, y + kButtonHeight + kMargin, kButtonWidth, kButtonHeight);
    } else {
        // The columns reach down to the buttons; in D only the right one stands above them.
        rightHeight = buttonsTop - kMargin;
        leftHeight = desc.layout == PageLayout::D ? desc.height - kMargin : rightHeight;
        const int saveLeft = desc.layout == PageLayout::D ? kRightX : kLeftX;
        g.save = QRect(saveLeft, buttonsTop, kButtonWidth, kButtonHeight);
        g.ret = QRect(rightEdge - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);
    }
    addFrame(g, desc, BoxPlace::Left, QRect(kLeftX, 0, kColumnWidth, leftHeight));
    addFrame(g, desc, BoxPlace::Right, QRect(kRightX, 0, desc.rightWidth, rightHeight));
    std::sort(g.frames.begin(), g.frames.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
    return g;
}
