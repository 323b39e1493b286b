#pragma once
// Base of every window: the load / activate / close events as the program defines them,
// and the registry through which windows are created, shown and unloaded by name.

#include <QWidget>
#include <functional>

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString &name, QWidget *parent = nullptr);

    // Runs once, when the registry creates the window (before it is ever shown).
    virtual void formLoad() {}
    // Runs when the program shows this window from another of its windows. Returning from a
    // message box, a dialog or another application does not count.
    virtual void formActivate() {}
    // Close box or system close; return false to keep the window. By default: the exit question.
    virtual bool formQueryClose();

    // Fixed client area in twips (15 twips a pixel).
    void setClientSizeTwips(int width, int height);
    // Top, then left, to the middle of the screen, as real numbers, frame included.
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeCentred(const QMargins &frame);
    void settleFrame(const QMargins &frame);

    // The frame a window is centred for is known only once a window has been mapped; a
    // window centred before that is put right once, before it is first drawn.
    QMargins m_centredFor;
    bool m_centred = false;
    bool m_frameSettled = false;
};

namespace Forms {
using Factory = std::function<Form *()>;

void registerForm(const QString &name, Factory factory);
bool isRegistered(const QString &name);
QStringList registeredNames();

// The window if it has been created, else nullptr.
Form *find(const QString &name);
template <typename T> T *find(const QString &name) { return qobject_cast<T *>(find(name)); }
// Creates the window if needed (running its load once) without showing it.
Form *load(const QString &name);
// Loads if needed, shows, raises and activates the window, running its activate event.
Form *show(const QString &name);
// Shows the target first, then hides the window left behind.
Form *navigate(QWidget *from, const QString &to);
// Destroys the window; the next show loads it afresh.
void unload(const QString &name);
// Destroys every window (end of the program, and between test cases).
void unloadAll();
// The window whose activate event ran last.
Form *active();
} // namespace Forms
