// The little gentleman in a top hat: 50 frames of 40×40 on black, looping at 25 frames a second.
// Only the middle 29×30 is shown in the game, so he stays close to the centre.
#include <QPainterPath>
#include <cmath>

#include "tools/artwork/Artwork.h"

namespace Art {

std::vector<QImage> ManFrames(int scale) {
  std::vector<QImage> frames;
  const QColor skin(240, 198, 160), ink(40, 24, 16), coat(50, 54, 70), hat(24, 24, 28);
  for (int f = 0; f < 50; ++f) {
    const double phase = 2 * M_PI * f / 50.0;
    // He sways, nods once per loop, blinks near the end and raises his hat in the middle.
    const double sway = 0.9 * std::sin(phase);
    const double nod = 0.7 * std::sin(2 * phase);
    const bool blink = f >= 40 && f <= 42;
    const double lift = f >= 18 && f < 32 ? 2.2 * std::sin(M_PI * (f - 18) / 14.0) : 0.0;
    QImage image = Blank(QSize(40, 40), scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Shoulders, white shirt front and bow tie.
    QPainterPath body;
    body.moveTo(4, 40);
    body.cubicTo(5, 32, 12, 29.5, 20, 29.5);
    body.cubicTo(28, 29.5, 35, 32, 36, 40);
    body.closeSubpath();
    p.setPen(QPen(QColor(90, 96, 120), 0.8));
    p.setBrush(coat);
    p.drawPath(body);
    QPainterPath shirt;
    shirt.moveTo(16.5, 30);
    shirt.lineTo(23.5, 30);
    shirt.lineTo(20, 40);
    shirt.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 246, 240));
    p.drawPath(shirt);
    p.setBrush(QColor(200, 24, 40));
    p.drawEllipse(QPointF(18.3, 31.2), 1.8, 1.1);
    p.drawEllipse(QPointF(21.7, 31.2), 1.8, 1.1);
    p.drawEllipse(QPointF(20, 31.2), 0.9, 0.9);
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(25.5, 34), 0.9, 0.9);  // a gold buttonhole

    p.translate(sway, nod);
    // Head.
    p.setPen(QPen(skin.darker(150), 0.8));
    p.setBrush(skin);
    p.drawRect(QRectF(17.5, 25, 5, 5));
    p.drawEllipse(QPointF(20, 20.5), 7, 7.8);
    p.drawEllipse(QPointF(12.8, 21), 1.3, 2);
    p.drawEllipse(QPointF(27.2, 21), 1.3, 2);
    // Side whiskers, eyes, monocle, nose, moustache.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 206));
    p.drawRoundedRect(QRectF(13, 16.5, 2.2, 8), 1, 1);
    p.drawRoundedRect(QRectF(24.8, 16.5, 2.2, 8), 1, 1);
    p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap));
    if (blink) {
      p.drawLine(QPointF(16.3, 19.5), QPointF(18.3, 19.5));
      p.drawLine(QPointF(21.7, 19.5), QPointF(23.7, 19.5));
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawEllipse(QPointF(17.3, 19.4), 1.0, 1.1);
      p.drawEllipse(QPointF(22.7, 19.4), 1.0, 1.1);
    }
    p.setPen(QPen(QColor(220, 190, 80), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(22.7, 19.4), 2.0, 2.0);
    p.setPen(QPen(skin.darker(140), 0.9));
    p.drawLine(QPointF(20, 19.5), QPointF(19.5, 22.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 216));
    QPainterPath moustache;
    moustache.moveTo(20, 23.2);
    moustache.cubicTo(18, 22.4, 15.5, 23, 14.8, 24.8);
    moustache.cubicTo(16.5, 24, 18.5, 24.6, 20, 24.2);
    moustache.cubicTo(21.5, 24.6, 23.5, 24, 25.2, 24.8);
    moustache.cubicTo(24.5, 23, 22, 22.4, 20, 23.2);
    p.drawPath(moustache);
    p.setBrush(QColor(190, 90, 80));
    p.drawEllipse(QPointF(20, 25.8), 1.4, 0.6);
    // Top hat, raised a little in greeting.
    p.translate(0, -lift);
    p.setPen(QPen(QColor(90, 90, 110), 0.8));
    p.setBrush(hat);
    p.drawRoundedRect(QRectF(10.5, 13, 19, 2.6), 1.3, 1.3);
    p.drawRect(QRectF(13.5, 2, 13, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 30, 40));
    p.drawRect(QRectF(13.5, 10.3, 13, 2));
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawRect(QRectF(15, 2.5, 2, 7.5));
    frames.push_back(image);
  }
  return frames;
}

}  // namespace Art
