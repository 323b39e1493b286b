#include "text/spelling/shown_blocks.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace Spelling {
namespace {
// More than a screen of one-line paragraphs at the smallest zoom.
constexpr int kMostShown = 1000;

bool isLaidOut(const QTextBlock &block) { return block.layout() && block.layout()->lineCount() > 0; }
} // namespace

BlockRange blocksMeeting(const QTextDocument &document, qreal top, qreal bottom)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    const auto above = [&](const QTextBlock &b) { return isLaidOut(b) && layout->blockBoundingRect(b).bottom() <= top; };
    int low = 0;
    int high = document.blockCount() - 1;
    while (low < high) { // the first paragraph not wholly above the band
        const int middle = low + (high - low) / 2;
        if (above(document.findBlockByNumber(middle)))
            low = middle + 1;
        else
            high = middle;
    }
    const QTextBlock first = document.findBlockByNumber(low);
    // Up to the first paragraph that starts below the band, outside a table: the cells of a row
    // that reaches into the band all count, however tall the first one is.
    QTextBlock last = first;
    for (int n = 0; n < kMostShown; ++n) {
        const QTextBlock next = last.next();
        const QRectF area = next.isValid() ? layout->blockBoundingRect(next) : QRectF();
        if (area.isNull() || (area.top() > bottom && !QTextCursor(next).currentTable()))
            break;
        last = next;
    }
    return {first, last};
}
} // namespace Spelling
