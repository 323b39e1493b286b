#include "document/windows/editor/editor_zoom.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPaintDevice>
#include <QTextDocument>
#include <QTextEdit>
#include <QWheelEvent>
#include <array>

namespace {
constexpr std::array<int, 13> kSteps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 300, 400};
const char *const kZoomProperty = "kinscribeZoom";
} // namespace

// A screen like the box's own, with its dots per inch scaled by the zoom. Only the layout
// measures with it; painting still goes to the box.
class EditorZoom::Screen : public QPaintDevice {
public:
    Screen(const QPaintDevice *real, int percent) : m_real(real), m_percent(percent) {}
    QPaintEngine *paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_real->width();
        case PdmHeight: return m_real->height();
        case PdmWidthMM: return m_real->widthMM();
        case PdmHeightMM: return m_real->heightMM();
        case PdmNumColors: return m_real->colorCount();
        case PdmDepth: return m_real->depth();
        case PdmDpiX: return m_real->logicalDpiX() * m_percent / 100;
        case PdmDpiY: return m_real->logicalDpiY() * m_percent / 100;
        case PdmPhysicalDpiX: return m_real->physicalDpiX() * m_percent / 100;
        case PdmPhysicalDpiY: return m_real->physicalDpiY() * m_percent / 100;
        case PdmDevicePixelRatio: return int(m_real->devicePixelRatio());
        case PdmDevicePixelRatioScaled: return int(m_real->devicePixelRatio() * devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QPaintDevice *m_real;
    int m_percent;
};

EditorZoom::EditorZoom(QTextEdit *box) : QObject(box), m_box(box), m_viewport(box->viewport())
{
    box->setProperty(kZoomProperty, QVariant::fromValue(this));
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
}

EditorZoom::~EditorZoom() = default;

int EditorZoom::percentOf(const QTextEdit *box)
{
    const auto *zoom = box->property(kZoomProperty).value<EditorZoom *>();
    return zoom ? zoom->percent() : 100;
}

void EditorZoom::zoomIn()
{
    for (int step : kSteps)
        if (step > m_percent)
            return setPercent(step);
}

void EditorZoom::zoomOut()
{
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < m_percent)
            return setPercent(*it);
}

void EditorZoom::reset() { setPercent(100); }

void EditorZoom::setPercent(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    apply();
}

// Lays the document out again for the zoomed screen; outside an edit, so nothing is changed.
void EditorZoom::apply()
{
    QTextDocument *doc = m_box->document();
    m_screen = m_percent == 100 ? nullptr : std::make_unique<Screen>(m_box->viewport(), m_percent);
    doc->documentLayout()->setPaintDevice(m_screen.get());
    doc->markContentsDirty(0, doc->characterCount());
    m_box->viewport()->update();
}

bool EditorZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport) {
        // A document put into the box since the last zoom is laid out for it before it is drawn.
        if (event->type() == QEvent::Paint && m_box->document()->documentLayout()->paintDevice() != m_screen.get())
            apply();
        if (event->type() == QEvent::Wheel) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
                return false;
            wheel->angleDelta().y() > 0 ? zoomIn() : zoomOut();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!(key->modifiers() & Qt::ControlModifier) || (key->modifiers() & Qt::AltModifier))
        return false;
    const int k = key->key();
    if (k != Qt::Key_Plus && k != Qt::Key_Equal && k != Qt::Key_Minus && k != Qt::Key_0)
        return false;
    // Claimed before any shortcut of the window, then handled when pressed.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        k == Qt::Key_0 ? reset() : k == Qt::Key_Minus ? zoomOut() : zoomIn();
    return true;
}
