#include "shell/focus_ring.h"

#include "shell/form.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor focusRingColourOn(const QColor &ground)
{
    const QColor orange(200, 70, 0), yellow(255, 210, 0);
    return contrastRatio(orange, ground) >= contrastRatio(yellow, ground) ? orange : yellow;
}

namespace {
constexpr int kOutset = kFocusRingWidth + kFocusRingGap;

// The ring itself: lies over the focused control's parent, just around the control; clicks
// pass through it.
class RingWidget : public QWidget {
public:
    explicit RingWidget(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("focusRing"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect outer = rect();
        const QRect inner = outer.adjusted(kFocusRingWidth, kFocusRingWidth, -kFocusRingWidth, -kFocusRingWidth);
        p.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
        const QWidget *ground = parentWidget();
        p.fillRect(outer, focusRingColourOn(ground->palette().color(ground->backgroundRole())));
    }
};

// Moves the ring to whatever takes the focus; a ring that went with its window is made anew.
class FocusRing : public QObject {
public:
    FocusRing() : QObject(qApp)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_target) {
            switch (event->type()) {
            case QEvent::Move: case QEvent::Resize: case QEvent::Show: case QEvent::Hide:
                place();
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    // Only the program's own windows, whose ground is always light; dialogs keep the desktop's look.
    static bool wantsRing(QWidget *w) { return w && w->parentWidget() && qobject_cast<Form *>(w->window()); }

    void follow(QWidget *now)
    {
        if (m_target)
            m_target->removeEventFilter(this);
        m_target = wantsRing(now) ? now : nullptr;
        if (m_target)
            m_target->installEventFilter(this);
        place();
    }

    void place()
    {
        if (!m_target || !m_target->isVisible()) {
            if (m_ring)
                m_ring->hide();
            return;
        }
        QWidget *parent = m_target->parentWidget();
        if (!m_ring || m_ring->parentWidget() != parent) {
            delete m_ring.data();
            m_ring = new RingWidget(parent);
        }
        m_ring->setGeometry(m_target->geometry().adjusted(-kOutset, -kOutset, kOutset, kOutset));
        m_ring->raise();
        m_ring->show();
        m_ring->update();
    }

    QPointer<QWidget> m_target;
    QPointer<RingWidget> m_ring;
};
} // namespace

void installFocusRing()
{
    static QPointer<FocusRing> ring;
    if (!ring)
        ring = new FocusRing;
}
