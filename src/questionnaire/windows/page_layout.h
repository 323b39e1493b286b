#pragma once
// Where every control of a question page stands, in twips from the client area's top left.
// The layout letter decides the arrangement; the tables give the sizes.

#include "questionnaire/windows/page_table.h"

#include <QList>
#include <QRect>
#include <QString>

struct PageGeometry {
    struct Frame {
        QString name;
        QRect rect;
    };
    QList<Frame> frames;  // in the order Frame1, Frame2, Frame3
    QList<QRect> labels;  // one per box, in the table's order
    QList<QRect> boxes;
    QRect save, ret;
};

PageGeometry layoutPage(const PageWindow &desc);
// Twips that a label of this many wrapped lines needs.
constexpr int labelHeightForLines(int lines) { return lines * 240 + 15; }
