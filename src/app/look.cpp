#include "app/look.h"

#include "app/twips.h"
#include "resources/answered_picture.h"

#include <QMouseEvent>

QFont labelFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

ClickLabel::ClickLabel(const QString &name, const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setObjectName(name);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

bool ClickLabel::event(QEvent *event)
{
    if (event->type() != QEvent::Shortcut || !buddy())
        return QLabel::event(event);
    // The next control from the buddy on that can take the focus: a marked row's hidden
    // marker passes it on.
    QWidget *w = buddy();
    for (int guard = 0; w && guard < 256; ++guard, w = w->nextInFocusChain()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ShortcutFocusReason);
            break;
        }
    }
    return true;
}

ClickLabel *makeNavyLabel(QWidget *parent, const QString &name, const QString &text, const QRect &g)
{
    auto *label = new ClickLabel(name, text, parent);
    label->setFont(labelFont());
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, navy());
    label->setPalette(pal);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipsRect(g.x(), g.y(), g.width(), g.height()));
    return label;
}

static QPushButton *makeSquare(QWidget *parent, const QString &name, const QRect &g)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setGeometry(twipsRect(g.x(), g.y(), g.width(), g.height()));
    b->setAutoDefault(true);
    b->setFlat(true);
    b->setAutoFillBackground(true);
    QPalette pal = b->palette();
    pal.setColor(QPalette::Button, navy());
    b->setPalette(pal);
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(0,0,128); border: 1px solid rgb(0,0,64); }"
                                    "QPushButton:focus { border: 1px dotted white; }"));
    return b;
}

QPushButton *makeMarkerButton(QWidget *parent, const QString &name, const QRect &g)
{
    return makeSquare(parent, name, g);
}

QPushButton *makeAnsweredTwin(QWidget *parent, const QString &name, const QRect &g)
{
    QPushButton *b = makeSquare(parent, name, g);
    b->setIcon(QIcon(QPixmap::fromImage(answeredPicture())));
    b->setIconSize(answeredPicture().size());
    b->hide();
    return b;
}

void markAnswered(QPushButton *marker, QPushButton *twin)
{
    twin->show();
    marker->hide();
}

QPushButton *makePushButton(QWidget *parent, const QString &name, const QString &text, const QRect &g)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(twipsRect(g.x(), g.y(), g.width(), g.height()));
    b->setAutoDefault(true);
    return b;
}
