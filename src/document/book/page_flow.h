#pragma once
// Where each line of the book falls: pages filled from the top, a paragraph broken between
// pages so that no single line of it stands alone at a page's foot (orphan) or top (widow),
// and a question kept on the page of its answer's first lines. Heights are in any one unit.

#include <QList>

struct LinePlace {
    int page;  // counted from 0
    qreal top; // from the top of the page's text area
    bool operator==(const LinePlace &) const = default;
};

class PageFlow {
public:
    explicit PageFlow(qreal pageHeight) : m_height(pageHeight) {}

    int page() const { return m_page; }
    qreal top() const { return m_top; }
    // Begins a new page unless the current one is still empty.
    void newPage();
    // Space between blocks; none at the top of a page.
    void addSpace(qreal height);
    // How many lines of a paragraph, from line `from` on, go on a page with `room` left.
    int linesThatFit(const QList<qreal> &heights, int from, qreal room) const;
    // Places a paragraph's lines, going on to new pages where needed.
    QList<LinePlace> placeLines(const QList<qreal> &heights);
    // Places a block that must not be split, followed by `gap` and kept on one page with the
    // first lines of the paragraph `next` (a question with its answer).
    LinePlace placeKept(qreal height, qreal gap, const QList<qreal> &next);

private:
    bool pageEmpty() const { return !m_used; }
    LinePlace take(qreal height);

    qreal m_height;
    int m_page = 0;
    qreal m_top = 0;
    bool m_used = false;
};
