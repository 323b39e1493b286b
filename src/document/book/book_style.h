#pragma once
// The look of the book, in one place: fonts, sizes, spacing and the margins for binding.
// Lengths are in points.

#include <QFont>
#include <QMarginsF>

namespace BookStyle {
QFont bodyFont();     // answers: a readable serif, 12 pt
QFont questionFont(); // the body font in bold
QFont headingFont();  // section headings
QFont titleFont();    // the title page's title
QFont smallFont();    // the date, page numbers

constexpr qreal kAfterHeading = 24;   // below a section heading
constexpr qreal kAfterQuestion = 4;   // between a question and its answer
constexpr qreal kAfterEntry = 14;     // between one answer and the next question


// Wider on the bound side: the left of a right-hand (odd) page, the right of a left-hand one.
// The page number sits in the bottom margin.
QMarginsF margins(int pageNumber);
} // namespace BookStyle
