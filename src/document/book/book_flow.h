#pragma once
// The sections of the book laid out line by line and placed on pages (PageFlow); when asked,
// each line is drawn where it falls. The same run without drawing tells the contents page
// where each section begins.

#include "document/book/book_content.h"
#include "document/book/page_flow.h"

#include <QFont>
#include <QList>
#include <optional>

class BookPages;
class WorkProgress;

class BookFlow {
public:
    // `firstPage`: the page number the first section begins on. Progress is counted in
    // characters of answers, `total` for the whole work, of which `done` is behind.
    BookFlow(BookPages &pages, int firstPage, WorkProgress *progress, qint64 total, qint64 done);

    // The page number each section begins on; nothing when stopped.
    std::optional<QList<int>> run(const QList<BookSection> &content, bool draw);
    qint64 done() const { return m_done; }

private:
    struct Block;
    void placeSection(const BookSection &section);
    bool placeEntry(const BookEntry &entry);
    void drawBlock(const Block &block, const QList<LinePlace> &places);

    BookPages &m_pages;
    int m_firstPage;
    WorkProgress *m_progress;
    qint64 m_total;
    qint64 m_done;
    bool m_draw = false;
    PageFlow m_flow;
    QFont m_bodyFont;
    QFont m_questionFont;
    qreal m_blankHeight;
};
