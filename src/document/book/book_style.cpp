#include "document/book/book_style.h"

namespace {
constexpr qreal kInner = 1.1 * 72;
constexpr qreal kOuter = 0.8 * 72;
constexpr qreal kTop = 0.9 * 72;
constexpr qreal kBottom = 1.0 * 72;

QFont serif(qreal points, QFont::Weight weight = QFont::Normal)
{
    // Liberation Serif comes with the program's fonts package; another serif stands in without it.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}
} // namespace

namespace BookStyle {
QFont bodyFont() { return serif(12); }
QFont questionFont() { return serif(12, QFont::Bold); }
QFont headingFont() { return serif(22, QFont::Bold); }
QFont titleFont() { return serif(30, QFont::Bold); }
QFont smallFont() { return serif(11); }

QMarginsF margins(int pageNumber)
{
    const bool rightHand = pageNumber % 2 == 1;
    return rightHand ? QMarginsF(kInner, kTop, kOuter, kBottom) : QMarginsF(kOuter, kTop, kInner, kBottom);
}
} // namespace BookStyle
