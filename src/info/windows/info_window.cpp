#include "info/windows/info_window.h"
#include "shell/window_names.h"

#include "shell/look.h"
#include "shell/twips.h"
#include "info/star_shape.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace Info;

namespace {
// Qt has no roles for the menu and inactive-border colours; take the nearest colours of
// the windows' palette, light on every desktop.
QColor backgroundColour(Background background)
{
    const QPalette pal = windowPalette();
    switch (background) {
    case Background::Menu:
        return pal.color(QPalette::Window);
    case Background::InactiveBorder:
        return pal.color(QPalette::Midlight);
    case Background::Navy:
        return navy();
    case Background::Default:
        break;
    }
    return pal.color(QPalette::Window);
}

bool sizedToText(Look look) { return look == Look::Plain || look == Look::Heading; }

void applyLook(QLabel *label, Look look)
{
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(!sizedToText(look));
    switch (look) {
    case Look::Navy:
    case Look::Heading:
        styleLabel(label, navy());
        break;
    case Look::NavyDefaultFont:
        paint(label, QPalette::WindowText, navy());
        break;
    case Look::Address:
        styleLabel(label, darkRed());
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        break;
    case Look::Dedication: {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(15.75);
        label->setFont(f);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        paint(label, QPalette::WindowText, Qt::white);
        break;
    }
    case Look::Plain:
    case Look::Button:
        break;
    }
    if (look == Look::Heading) {
        label->setAutoFillBackground(true);
        paint(label, QPalette::Window, backgroundColour(Background::InactiveBorder));
    }
}

QString textOf(const Control &c)
{
    return c.build ? c.build() : QString::fromUtf8(c.text ? c.text : "");
}
} // namespace

InfoWindow::InfoWindow(const WindowTable &desc, QWidget *parent) : Form(QString::fromLatin1(desc.name), parent), m_desc(desc)
{
    setWindowTitle(desc.buildCaption ? desc.buildCaption() : QString::fromUtf8(desc.caption));
    setClientSizeTwips(desc.clientTwips.width(), desc.clientTwips.height());
    if (desc.starShaped)
        setWindowFlag(Qt::FramelessWindowHint);
    if (desc.background != Background::Default) {
        setAutoFillBackground(true);
        paint(this, QPalette::Window, backgroundColour(desc.background));
    }
    for (const Control &c : desc.controls)
        makeControl(c);
    fill(Fill::Fixed);
}

QWidget *InfoWindow::makeControl(const Control &c)
{
    const QString name = QString::fromLatin1(c.name);
    QWidget *w = nullptr;
    if (c.kind == Kind::Button) {
        auto *b = makePushButton(this, name, QString(), c.twips);
        connect(b, &QPushButton::clicked, this, [this, &c] { onClick(c); });
        w = b;
    } else {
        auto *label = new ClickLabel(name, QString(), this);
        label->setGeometry(twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
        if (c.kind == Kind::Picture) {
            label->setPixmap(QPixmap::fromImage(c.picture()));
            setAccessible(label, c.describe ? c.describe() : QString());
            label->setAlignment(Qt::AlignCenter);
        } else {
            applyLook(label, c.look);
        }
        connect(label, &ClickLabel::clicked, this, [this, &c] { onClick(c); });
        w = label;
    }
    if (c.tooltip)
        w->setToolTip(QString::fromUtf8(c.tooltip));
    return w;
}

void InfoWindow::fill(Fill when)
{
    for (const Control &c : m_desc.controls) {
        if (c.fill != when || c.kind == Kind::Picture)
            continue;
        QWidget *w = findChild<QWidget *>(QString::fromLatin1(c.name), Qt::FindDirectChildrenOnly);
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            b->setText(textOf(c));
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            label->setText(textOf(c));
            if (sizedToText(c.look))
                label->adjustSize();
        }
    }
}

void InfoWindow::onClick(const Control &c)
{
    switch (c.click) {
    case Click::GoTo:
        Forms::navigate(this, QString::fromLatin1(c.target));
        break;
    case Click::Open:
        Forms::show(QString::fromLatin1(c.target));
        break;
    case Click::HideSelf:
        hide();
        break;
    case Click::None:
        break;
    }
}

void InfoWindow::formLoad()
{
    if (m_desc.starShaped) {
        setMask(Star::region());
        placeOverAboutWindow();
    } else {
        centreOnScreen();
    }
    fill(Fill::OnLoad);
}

void InfoWindow::formActivate() { fill(Fill::OnActivate); }

bool InfoWindow::formQueryClose()
{
    switch (m_desc.closeBox) {
    case CloseBox::HideAndUnload:
        hide();
        unloadLater();
        return true;
    case CloseBox::BackToAbout:
        // Closed some other way than its button (Alt+F4, the window manager): the about
        // window must come back, or no window of the program would be left to use.
        Forms::navigate(this, QLatin1String(WindowName::Info));
        return false;
    case CloseBox::ExitQuestion:
        break;
    }
    return Form::formQueryClose();
}

// The star first appears where the about window stood, its centre on the about window's
// centre, kept wholly on the screen.
void InfoWindow::placeOverAboutWindow()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const Form *about = Forms::find(QLatin1String(WindowName::Info));
    const QPoint centre = about ? about->frameGeometry().center() : area.center();
    const QRect star = Star::box();
    QPoint topLeft = centre - Star::centre();
    topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() + 1 - star.width())));
    topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() + 1 - star.height())));
    move(topLeft);
}

// Destroying the window inside its own close event would pull it from under Qt, so the
// registry drops it once the close has finished, unless it was shown again meanwhile.
void InfoWindow::unloadLater()
{
    QPointer<InfoWindow> self(this);
    const QString name = objectName();
    QTimer::singleShot(0, qApp, [self, name] {
        if (self && !self->isVisible() && Forms::find(name) == self)
            Forms::unload(name);
    });
}
