#pragma once
// A focus mark that older eyes can see: a ring 2 px wide drawn 1 px outside whatever control of
// the program's windows has the keyboard focus (buttons, markers, boxes). The control keeps its
// size and colours. Installed once, for the whole program.

#include <QColor>

// Deep orange stands out at more than 3:1 from the program's light grounds, from navy and from
// white; on a navy ground (the credits) a yellow one stands out further.
QColor focusRingColourOn(const QColor &ground);
// The contrast ratio of two colours as WCAG defines it, from 1 (alike) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);
inline constexpr int kFocusRingWidth = 2;
inline constexpr int kFocusRingGap = 1;

void installFocusRing();
