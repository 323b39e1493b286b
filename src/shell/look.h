#pragma once
// The program's common look: navy labels in bold Arial 9.75 pt, navy marker buttons.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

class QWidget;

inline QColor navy() { return QColor(0, 0, 128); }
inline QColor darkRed() { return QColor(192, 0, 0); }
QFont labelFont();
// The font of buttons and boxes: the program names its own sans-serif faces (fonts-dejavu-core,
// fonts-liberation2, both installed with it), so no desktop's fallback can turn them into a
// typewriter face. `classic` is a family wanted first where it exists (e.g. "MS Sans Serif").
QFont controlFont(double pointSize, const QString &classic = QString());
// Makes controlFont the program's font at the desktop's size; once, before any window.
void useProgramFont();
// One colour of a widget's palette.
void paint(QWidget *widget, QPalette::ColorRole role, const QColor &colour);
// A label in the program's bold label font and the given text colour.
void styleLabel(QLabel *label, const QColor &colour);

// The program's colours are fixed (navy, dark red) and need a light ground: on a dark desktop
// the windows take a light palette of their own; message boxes and dialogs follow the desktop.
bool isDarkPalette(const QPalette &palette);
QPalette windowPalette();
void applyWindowPalette(QWidget *window);

// A caption as a screen reader says it: access keys gone, "&&" read as "&".
QString plainCaption(const QString &caption);
void setAccessible(QWidget *control, const QString &name, const QString &description = {});
// Names a marker and its answered twin after what they stand for, each saying its state.
void describeMarkers(QPushButton *marker, QPushButton *twin, const QString &name);

// A label that acts like a button: clicking it runs its action (main menu, overviews).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &name, const QString &text, QWidget *parent);
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The access key only moves the focus (Qt would also click a button buddy).
    bool event(QEvent *event) override;
};

// Widens a one-line label to its text where the font needs more than its fixed width.
void widenToText(QLabel *label);
// A navy question label, word-wrapped, at a rectangle given in twips.
ClickLabel *makeNavyLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twipsGeometry);
// The plain navy square that marks something unanswered (or a plain menu entry).
QPushButton *makeMarkerButton(QWidget *parent, const QString &name, const QRect &twipsGeometry);
// Its twin showing the answered tick; hidden at creation.
QPushButton *makeAnsweredTwin(QWidget *parent, const QString &name, const QRect &twipsGeometry);
// Shows the twin in place of the marker; nothing ever switches it back.
void markAnswered(QPushButton *marker, QPushButton *twin);
// A button that Enter clicks like Space while it has the focus.
QPushButton *makePushButton(QWidget *parent, const QString &name, const QString &text, const QRect &twipsGeometry);
