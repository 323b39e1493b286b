#include "shell/form.h"

#include "shell/focus_ring.h"

#include "shell/exit_question.h"
#include "shell/look.h"
#include "shell/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <map>

Form::Form(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    useProgramFont();
    applyWindowPalette(this);
    installFocusRing();
}

bool Form::formQueryClose()
{
    // On Yes the program ends without closing anything, so the close itself never goes ahead.
    askExitQuestion(this);
    return false;
}

void Form::setClientSizeTwips(int width, int height) { setFixedSize(twips(width), twips(height)); }

namespace {
// The window manager's frame, as the last window mapped had it.
QMargins &knownFrame()
{
    static QMargins frame;
    return frame;
}
} // namespace

void Form::centreOnScreen()
{
    m_centred = true;
    placeCentred(knownFrame());
}

void Form::placeCentred(const QMargins &frame)
{
    m_centredFor = frame;
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = size().grownBy(frame);
    const int top = qRound(area.top() + (area.height() - outer.height()) / 2.0);
    const int left = qRound(area.left() + (area.width() - outer.width()) / 2.0);
    // A window's position is its frame's top left, except for a window made but not yet framed:
    // that one is placed by its client area.
    if (testAttribute(Qt::WA_WState_Created) && frameGeometry() == geometry())
        move(left + frame.left(), top + frame.top());
    else
        move(left, top);
}

// Re-centres once if the frame turned out other than the one the window was centred for;
// a window the user has moved since keeps its place, because this runs only before the first paint.
void Form::settleFrame(const QMargins &frame)
{
    if (m_centred && !m_frameSettled && frame != m_centredFor)
        placeCentred(frame);
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::Show && !m_frameSettled && windowHandle()) {
        // Not mapped yet: what earlier windows taught us moves it before it is seen.
        settleFrame(knownFrame());
        windowHandle()->installEventFilter(this);
    }
    return QWidget::event(event);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        // Mapped, and about to be painted for the first time: the frame is known now.
        const QMargins frame = windowHandle()->frameMargins();
        if (!frame.isNull())
            knownFrame() = frame;
        settleFrame(frame);
        m_frameSettled = true;
        windowHandle()->removeEventFilter(this);
    }
    return QWidget::eventFilter(watched, event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (formQueryClose())
        event->accept();
    else
        event->ignore();
}

namespace Forms {
namespace {
struct Registry {
    std::map<QString, Factory> factories;
    std::map<QString, QPointer<Form>> instances;
    QPointer<Form> active;
    QPointer<QWindow> lastFocus;
    bool watching = false;
};

Registry &reg()
{
    static Registry r;
    return r;
}

Form *formOfWindow(QWindow *window)
{
    for (auto &[name, form] : reg().instances) {
        if (form && form->windowHandle() == window)
            return form;
    }
    return nullptr;
}

// A user's switch from one visible window of the program to another counts as activation;
// focus coming back from a message box, a dialog or another application does not.
void watchFocus()
{
    if (reg().watching || !qGuiApp)
        return;
    reg().watching = true;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp, [](QWindow *now) {
        Form *from = formOfWindow(reg().lastFocus);
        Form *to = formOfWindow(now);
        reg().lastFocus = now;
        if (to && from && to != from && to != reg().active && to->isVisible()) {
            reg().active = to;
            to->formActivate();
        }
    });
}
} // namespace

void registerForm(const QString &name, Factory factory) { reg().factories[name] = std::move(factory); }

bool isRegistered(const QString &name) { return reg().factories.count(name) > 0; }

QStringList registeredNames()
{
    QStringList names;
    for (auto &[name, f] : reg().factories)
        names << name;
    return names;
}

Form *find(const QString &name)
{
    auto it = reg().instances.find(name);
    return it == reg().instances.end() ? nullptr : it->second.data();
}

Form *load(const QString &name)
{
    if (Form *existing = find(name))
        return existing;
    auto it = reg().factories.find(name);
    if (it == reg().factories.end())
        return nullptr;
    watchFocus();
    Form *form = it->second();
    reg().instances[name] = form;
    form->formLoad();
    return form;
}

Form *show(const QString &name)
{
    Form *form = load(name);
    if (!form)
        return nullptr;
    form->show();
    form->raise();
    form->activateWindow();
    reg().active = form;
    form->formActivate();
    return form;
}

Form *navigate(QWidget *from, const QString &to)
{
    Form *target = show(to);
    if (target && from && from != target)
        from->hide();
    return target;
}

void unload(const QString &name)
{
    auto it = reg().instances.find(name);
    if (it == reg().instances.end())
        return;
    QPointer<Form> form = it->second;
    reg().instances.erase(it);
    if (form) {
        form->hide();
        delete form.data();
    }
}

void unloadAll()
{
    auto instances = std::move(reg().instances);
    reg().instances.clear();
    for (auto &[name, form] : instances)
        delete form.data();
}

Form *active() { return reg().active; }
} // namespace Forms
