#pragma once
// The paragraphs of a laid-out document that meet a band of its height (what a box shows),
// found without walking the document or asking the layout for a point: a point between two
// paragraphs makes the layout try every paragraph after it. Paragraphs above the band are
// always laid out, so a binary search over them finds the first; the ones in the band are
// laid out here as drawing it would.

#include <QTextBlock>

class QTextDocument;

namespace Spelling {
struct BlockRange {
    QTextBlock first;
    QTextBlock last;
};

// top and bottom in the layout's coordinates (a box's scroll offset and the height it shows).
BlockRange blocksMeeting(const QTextDocument &document, qreal top, qreal bottom);
} // namespace Spelling
