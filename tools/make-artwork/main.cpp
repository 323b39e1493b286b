// Draws the start-up window's artwork into PNG files, which the program embeds, so start-up
// loads two small pictures instead of loading a script font and painting:
//   QT_QPA_PLATFORM=offscreen make-artwork src/resources/artwork
#include "resources/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: make-artwork OUTDIR\n";
        return 2;
    }
    const QDir out(args[1]);
    const bool ok = drawBannerPicture().save(out.filePath(QStringLiteral("banner.png")))
        && drawSpeechBubblePicture().save(out.filePath(QStringLiteral("speech-bubble.png")));
    return ok ? 0 : 1;
}
