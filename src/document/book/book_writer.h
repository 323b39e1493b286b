#pragma once
// The answers typeset as a book in PDF: a title page with the date, a contents page, then
// each section with answers on pages of its own, every page but the title page numbered.

#include "document/book/book_content.h"
#include "document/reading/outcome.h"

#include <QPageSize>
#include <QString>

class QIODevice;
class WorkProgress;

struct BookOptions {
    QString title;
    QString date; // shown below the title
    QPageSize paper;
};

// The page numbers the book is drawn with: the title page is 1 and carries no number.
constexpr int kContentsPage = 2;
constexpr int kFirstSectionPage = 3;

// The book as PDF into `out`. Stopped when the progress says so.
Outcome writeBook(const QList<BookSection> &content, const BookOptions &options, QIODevice &out,
                  WorkProgress *progress = nullptr);
// The book into a file, written beside it and renamed into place: a failure or a stop leaves
// the file as it was, and no part of a new one.
Outcome saveBook(const QList<BookSection> &content, const BookOptions &options, const QString &path,
                 WorkProgress *progress = nullptr);
