#include "app/splash.h"
#include "shell/window_names.h"

#include "shell/exit_question.h"
#include "shell/look.h"
#include "shell/twips.h"
#include "resources/artwork.h"

#include <QLabel>
#include <QPushButton>

Splash::Splash(QWidget *parent) : Form(QLatin1String(WindowName::Splash), parent)
{
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setClientSizeTwips(4320, 3720);

    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setGeometry(twipsRect(120, 0, 4110, 795));
    banner->setPixmap(QPixmap::fromImage(bannerPicture()));
    setAccessible(banner, bannerDescription());

    auto *enter = makePushButton(this, QStringLiteral("cmdEnter"), QStringLiteral("&Enter"), QRect(3240, 3120, 975, 495));
    enter->setToolTip(QStringLiteral("Click here to begin."));
    auto *exit = makePushButton(this, QStringLiteral("cmdExit"), QStringLiteral("E&xit"), QRect(120, 3120, 975, 495));
    exit->setToolTip(QStringLiteral("Click here to exit the program."));

    auto *bubble = new QLabel(this);
    bubble->setObjectName(QStringLiteral("Picture1"));
    bubble->setGeometry(twipsRect(360, 720, 3600, 2160));
    bubble->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bubble->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bubble->setPixmap(QPixmap::fromImage(speechBubblePicture()));
    bubble->setFocusPolicy(Qt::NoFocus);
    setAccessible(bubble, speechBubbleDescription());

    setTabOrder(enter, exit);
    enter->setFocus();

    connect(enter, &QPushButton::clicked, this, [this] { Forms::navigate(this, QLatin1String(WindowName::Main)); });
    connect(exit, &QPushButton::clicked, this, [] { endProgramDeliberately(); });
}

void Splash::formLoad()
{
    centreOnScreen();
    Forms::load(QLatin1String(WindowName::Main));
    Forms::load(QLatin1String(WindowName::Instructions));
    Forms::load(QLatin1String(WindowName::Info));
}

bool Splash::formQueryClose()
{
    endProgramDeliberately();
    return false;
}
