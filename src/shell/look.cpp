#include "shell/look.h"

#include "shell/twips.h"
#include "resources/answered_picture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>

QFont labelFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

QFont controlFont(double pointSize, const QString &classic)
{
    QFont f;
    QStringList families{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    if (!classic.isEmpty())
        families.prepend(classic);
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    return f;
}

void useProgramFont()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QApplication::setFont(controlFont(QApplication::font().pointSizeF()));
}

bool isDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

static QPalette lightPalette()
{
    const QColor face(240, 240, 240), shadow(160, 160, 160);
    QPalette p(Qt::black, face, Qt::white, shadow, QColor(200, 200, 200), Qt::black, Qt::white, Qt::white, face);
    p.setColor(QPalette::Midlight, QColor(227, 227, 227));
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Highlight, navy());
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::PlaceholderText, QColor(110, 110, 110));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
    return p;
}

QPalette windowPalette()
{
    const QPalette desktop = QGuiApplication::palette();
    return isDarkPalette(desktop) ? lightPalette() : desktop;
}

void applyWindowPalette(QWidget *window)
{
    if (isDarkPalette(QGuiApplication::palette()))
        window->setPalette(lightPalette());
}

QString plainCaption(const QString &caption)
{
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

void setAccessible(QWidget *control, const QString &name, const QString &description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void describeMarkers(QPushButton *marker, QPushButton *twin, const QString &name)
{
    setAccessible(marker, name, QStringLiteral("Not answered"));
    setAccessible(twin, name, QStringLiteral("Answered"));
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
    // The next control from the buddy on that can take the focus; a marked row's hidden
    // marker hands it to its answered twin, which opens the same window.
    QWidget *w = buddy();
    if (!w->isVisible() && parentWidget()) {
        auto *twin = parentWidget()->findChild<QWidget *>(w->objectName() + QLatin1Char('2'), Qt::FindDirectChildrenOnly);
        if (twin && twin->isVisible())
            w = twin;
    }
    for (int guard = 0; w && guard < 256; ++guard, w = w->nextInFocusChain()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ShortcutFocusReason);
            break;
        }
    }
    return true;
}

void widenToText(QLabel *label)
{
    label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
}

void paint(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(role, colour);
    widget->setPalette(pal);
}

void styleLabel(QLabel *label, const QColor &colour)
{
    label->setFont(labelFont());
    paint(label, QPalette::WindowText, colour);
}

ClickLabel *makeNavyLabel(QWidget *parent, const QString &name, const QString &text, const QRect &g)
{
    auto *label = new ClickLabel(name, text, parent);
    styleLabel(label, navy());
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
    paint(b, QPalette::Button, navy());
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; }"
                                    "QPushButton:focus { border: 1px dotted white; }")
                         .arg(navy().name(), navy().darker(200).name()));
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
