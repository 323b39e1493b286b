#include "resources/artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kGrey(240, 240, 240);
const QColor kNavy(0, 0, 128);
QString bannerText() { return QStringLiteral("Hearthwood's"); }
QString titleText() { return QStringLiteral("Kinscribe"); }

QImage canvas(int w, int h, const QColor &ground)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(ground);
    return img;
}

QImage bookImage(int size, const QColor &cover, bool pen)
{
    QImage img = canvas(size, size, Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 64.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(20, 20, 60), 2));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(8, 6, 44, 52), 4, 4);
    p.setBrush(QColor(250, 248, 235));
    p.drawRect(QRectF(14, 12, 32, 40));
    p.setPen(QPen(kNavy, 2));
    for (int y = 20; y <= 44; y += 8)
        p.drawLine(QPointF(18, y), QPointF(42, y));
    if (pen) {
        p.setPen(QPen(QColor(200, 0, 0), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(34, 54), QPointF(58, 22));
    }
    return img;
}
} // namespace

QImage drawBannerPicture()
{
    QImage img = canvas(274, 53, kGrey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Z003 is the script face that Debian's URW fonts provide.
    QFont f(QStringLiteral("Z003"));
    f.setStyleHint(QFont::Cursive);
    f.setItalic(true);
    f.setBold(true);
    f.setPixelSize(34);
    p.setFont(f);
    p.setPen(QColor(200, 0, 0));
    p.drawText(img.rect(), Qt::AlignCenter, bannerText());
    return img;
}

QImage drawSpeechBubblePicture()
{
    QImage img = canvas(236, 140, kGrey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(18, 6, 210, 100));
    QPainterPath tail;
    tail.moveTo(60, 92);
    tail.lineTo(14, 134);
    tail.lineTo(92, 100);
    tail.closeSubpath();
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(tail));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(30);
    p.setFont(f);
    p.setPen(kNavy);
    p.drawText(QRectF(18, 6, 210, 100), Qt::AlignCenter, titleText());
    return img;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(bookImage(size, kNavy, false)));
    return icon;
}

QIcon editorIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(bookImage(size, QColor(0, 110, 60), true)));
    return icon;
}

QImage bannerPicture() { return QImage(QStringLiteral(":/artwork/banner.png")); }
QImage speechBubblePicture() { return QImage(QStringLiteral(":/artwork/speech-bubble.png")); }

QString bannerDescription() { return bannerText() + QStringLiteral(" in red script"); }
QString speechBubbleDescription() { return QStringLiteral("A speech bubble with the title ") + titleText(); }
