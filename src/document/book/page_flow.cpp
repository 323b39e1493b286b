#include "document/book/page_flow.h"

namespace {
// Rounding in line heights must not push a line that fits onto the next page.
constexpr qreal kSlack = 0.01;
} // namespace

void PageFlow::newPage()
{
    if (pageEmpty())
        return;
    ++m_page;
    m_top = 0;
    m_used = false;
}

void PageFlow::addSpace(qreal height)
{
    if (pageEmpty())
        return;
    if (m_top + height >= m_height)
        newPage();
    else
        m_top += height;
}

LinePlace PageFlow::take(qreal height)
{
    const LinePlace place{m_page, m_top};
    m_top += height;
    m_used = true;
    return place;
}

int PageFlow::linesThatFit(const QList<qreal> &heights, int from, qreal room) const
{
    const int count = int(heights.size()) - from;
    int fit = 0;
    for (qreal used = 0; fit < count && used + heights[from + fit] <= room + kSlack; ++fit)
        used += heights[from + fit];
    if (fit == count)
        return fit;
    if (count - fit == 1 && fit >= 2)
        --fit; // one more line goes over, so the last one does not stand alone at the top
    if (from == 0 && fit == 1)
        fit = 0; // the first line would stand alone at the foot
    return fit;
}

QList<LinePlace> PageFlow::placeLines(const QList<qreal> &heights)
{
    QList<LinePlace> places;
    places.reserve(heights.size());
    for (int from = 0; from < heights.size();) {
        int fit = linesThatFit(heights, from, m_height - m_top);
        if (fit == 0 && !pageEmpty()) {
            newPage();
            continue;
        }
        // A page too short for the rules still takes what it can, at least one line.
        if (fit == 0) {
            for (qreal used = 0; from + fit < heights.size() && used + heights[from + fit] <= m_height + kSlack; ++fit)
                used += heights[from + fit];
            fit = qMax(fit, 1);
        }
        for (int i = 0; i < fit; ++i)
            places.append(take(heights[from + i]));
        from += fit;
        if (from < heights.size())
            newPage();
    }
    return places;
}

LinePlace PageFlow::placeKept(qreal height, qreal gap, const QList<qreal> &next)
{
    const qreal room = m_height - m_top - height - gap;
    const bool fits = room >= -kSlack && (next.isEmpty() || linesThatFit(next, 0, room) > 0);
    if (!fits)
        newPage();
    const LinePlace place = take(height);
    addSpace(gap);
    return place;
}
