#pragma once
// The program's common look: navy labels in bold Arial 9.75 pt, navy marker buttons.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPushButton>

class QWidget;

inline QColor navy() { return QColor(0, 0, 128); }
QFont labelFont();

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
