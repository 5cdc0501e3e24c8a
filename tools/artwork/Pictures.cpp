// The track, the betting panel, the splash, the player portraits and the window icon.
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <stdexcept>

#include "assets/PictureWords.h"
#include "tools/artwork/Artwork.h"

namespace Art {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kTitle = QStringLiteral("Tierc\u00e9 \u00e0 deux");

// `font`, made smaller a pixel at a time until `text` fits `width`. A text that would need less
// than `smallest` pixels is refused, so that no translation is drawn cut or unreadable.
QFont Fitted(QFont font, const QString& text, double width, int smallest) {
  while (QFontMetricsF(font).horizontalAdvance(text) > width) {
    if (font.pixelSize() <= smallest) {
      throw std::runtime_error(QStringLiteral("\u00ab %1 \u00bb needs more than %2 pixels at %3 px")
                                   .arg(text)
                                   .arg(width)
                                   .arg(smallest)
                                   .toStdString());
    }
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

// Text with a dark outline and a soft drop shadow, centred on `centre`.
void OutlinedText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                  const QColor& top, const QColor& bottom, const QColor& edge, double edgeWidth) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF r = path.boundingRect();
  path.translate(centre.x() - r.center().x(), centre.y() - r.center().y());
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawPath(path.translated(1.5, 2));
  p.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  QLinearGradient fill(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

// A starting pistol on a round gold badge, filling `box`.
void DrawPistol(QPainter& p, const QRectF& box) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(box.topLeft());
  p.scale(box.width() / 37.0, box.height() / 32.0);
  QLinearGradient plate(0, 0, 0, 32);
  plate.setColorAt(0, QColor(255, 236, 140));
  plate.setColorAt(1, QColor(214, 150, 30));
  p.setPen(QPen(QColor(110, 70, 10), 1.2));
  p.setBrush(plate);
  p.drawRoundedRect(QRectF(0.8, 0.8, 35.4, 30.4), 7, 7);
  // The pistol, pointing up and to the right, with a puff of smoke.
  p.translate(18, 17);
  p.rotate(-20);
  QPainterPath gun;
  gun.moveTo(-12, -5);
  gun.lineTo(11, -5);
  gun.lineTo(11, -1);
  gun.lineTo(-3, -1);
  gun.lineTo(-3, 1);
  gun.cubicTo(-3, 3, -4, 6, -6, 10);
  gun.lineTo(-12, 10);
  gun.cubicTo(-10, 6, -10, 2, -12, -1);
  gun.closeSubpath();
  p.setPen(QPen(QColor(16, 16, 20), 1.0));
  p.setBrush(QColor(52, 54, 62));
  p.drawPath(gun);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-4.5, -1.5, 5, 5), 180 * 16, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(130, 80, 40));
  p.drawRoundedRect(QRectF(-11.5, 1, 4.5, 8.5), 1.5, 1.5);
  p.setBrush(QColor(140, 144, 156));
  p.drawRect(QRectF(-9, -4.3, 19, 1.2));
  p.resetTransform();
  p.translate(box.topLeft());
  p.scale(box.width() / 37.0, box.height() / 32.0);
  p.setBrush(QColor(255, 255, 255, 230));
  p.setPen(QPen(QColor(180, 180, 190), 0.6));
  p.drawEllipse(QPointF(31, 7), 3.4, 3.4);
  p.drawEllipse(QPointF(28.5, 4.5), 2.4, 2.4);
  p.setPen(QPen(QColor(230, 40, 20), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(29, 10.5), QPointF(31.5, 13));
  p.drawLine(QPointF(27, 11.5), QPointF(27.5, 14.5));
  p.restore();
}

// A small box for a label: dark inside exactly `r`, framed just outside it.
void ScoreBox(QPainter& p, const QRect& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(214, 170, 60));
  p.drawRect(r.adjusted(-2, -2, 2, 2));
  p.setBrush(QColor(90, 60, 10));
  p.drawRect(r.adjusted(-1, -1, 1, 1));
  p.setBrush(QColor(14, 16, 24));
  p.drawRect(r);
  p.restore();
}

void FramedPortrait(QPainter& p, const QRectF& box, int player) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / double(kCellW), box.height() / double(kCellH));
  DrawPortrait(p, player);
  p.restore();
}

// Flame tongues rising from the bottom of `area`, orange over white.
void Flames(QPainter& p, const QRectF& area) {
  p.save();
  p.setClipRect(area);
  p.fillRect(area, QColor(255, 252, 244));
  TRng rng(0xF1A3E);
  const QColor layers[3] = {QColor(255, 196, 90), QColor(250, 140, 40), QColor(232, 84, 20)};
  for (int layer = 0; layer < 3; ++layer) {
    const double base = area.bottom() + 4;
    const double reach = area.height() * (1.25 - 0.3 * layer);
    QPainterPath flame;
    flame.moveTo(area.left() - 10, base);
    double x = area.left() - 10;
    while (x < area.right() + 10) {
      const double w = rng.Range(26, 44) - layer * 4;
      const double h = reach * rng.Range(0.6, 1.0);
      const double lean = rng.Range(-10, 10);
      flame.cubicTo(x + w * 0.15, base - h * 0.45, x + w * 0.5 + lean, base - h * 0.7,
                    x + w * 0.45 + lean, base - h);
      flame.cubicTo(x + w * 0.75 + lean * 0.5, base - h * 0.6, x + w * 0.9, base - h * 0.35, x + w,
                    base - h * 0.2);
      x += w;
    }
    flame.lineTo(area.right() + 10, base);
    flame.closeSubpath();
    QLinearGradient g(0, area.top(), 0, area.bottom());
    g.setColorAt(0, layers[layer].lighter(112));
    g.setColorAt(1, layers[layer]);
    p.setPen(QPen(layers[layer].darker(115), 1.0));
    p.setBrush(g);
    p.drawPath(flame);
  }
  p.restore();
}

// A black frame with a grey edge, over the left/top/right/bottom pixel ranges given.
void BlackFrame(QPainter& p, const QRect& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(150, 150, 156), 2.0));
  p.setBrush(QColor(0, 0, 0));
  p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 3, 3);
  p.restore();
}

}  // namespace

QImage Blank(QSize logical, int scale, QImage::Format format) {
  QImage image(logical * scale, format);
  image.setDevicePixelRatio(scale);
  return image;
}

void DrawPortrait(QPainter& p, int player) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // Carved gold frame around a coloured backdrop.
  QLinearGradient gold(0, 0, 73, 60);
  gold.setColorAt(0, QColor(255, 226, 120));
  gold.setColorAt(0.5, QColor(200, 140, 30));
  gold.setColorAt(1, QColor(150, 96, 16));
  p.setPen(QPen(QColor(96, 60, 8), 1));
  p.setBrush(gold);
  p.drawRect(QRectF(0.5, 0.5, 72, 59));
  const QRectF inner(4.5, 4.5, 64, 51);
  QRadialGradient back(inner.center() - QPointF(0, 8), 44);
  back.setColorAt(0, player == 1 ? QColor(170, 214, 255) : QColor(255, 206, 214));
  back.setColorAt(1, player == 1 ? QColor(60, 120, 200) : QColor(200, 80, 110));
  p.setPen(QPen(QColor(96, 60, 8), 1));
  p.setBrush(back);
  p.drawRect(inner);
  p.setClipRect(inner.adjusted(0.5, 0.5, -0.5, -0.5));

  const QColor skin = player == 1 ? QColor(240, 196, 156) : QColor(246, 206, 172);
  const QColor ink(60, 34, 24);
  // Shoulders.
  QPainterPath coat;
  coat.moveTo(14, 60);
  coat.cubicTo(16, 46, 26, 42, 36.5, 42);
  coat.cubicTo(47, 42, 57, 46, 59, 60);
  coat.closeSubpath();
  p.setPen(QPen(ink, 1));
  p.setBrush(player == 1 ? QColor(40, 70, 150) : QColor(190, 30, 60));
  p.drawPath(coat);
  // Collar and tie / necklace.
  p.setBrush(Qt::white);
  QPainterPath collar;
  collar.moveTo(30, 42.5);
  collar.lineTo(36.5, 50);
  collar.lineTo(43, 42.5);
  collar.closeSubpath();
  p.drawPath(collar);
  if (player == 1) {
    p.setBrush(QColor(220, 40, 40));
    QPainterPath tie;
    tie.moveTo(35, 45);
    tie.lineTo(38, 45);
    tie.lineTo(39, 56);
    tie.lineTo(34, 56);
    tie.closeSubpath();
    p.drawPath(tie);
  }
  // Neck and face.
  p.setBrush(skin);
  p.drawRect(QRectF(32, 36, 9, 8));
  if (player == 2) {
    // Long hair behind the face.
    p.setBrush(QColor(236, 180, 60));
    p.setPen(QPen(QColor(150, 100, 20), 1));
    p.drawRoundedRect(QRectF(22.5, 18, 28, 27), 10, 10);
  }
  p.setPen(QPen(ink, 1));
  p.setBrush(skin);
  p.drawEllipse(QPointF(36.5, 28), 10, 11.5);
  // Ears.
  p.drawEllipse(QPointF(26.5, 29), 2, 3);
  p.drawEllipse(QPointF(46.5, 29), 2, 3);
  // Eyes, brows, nose, smile, cheeks.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawEllipse(QPointF(32.5, 27.5), 2.3, 1.9);
  p.drawEllipse(QPointF(40.5, 27.5), 2.3, 1.9);
  p.setBrush(player == 1 ? QColor(60, 110, 170) : QColor(70, 130, 60));
  p.drawEllipse(QPointF(33, 27.6), 1.3, 1.4);
  p.drawEllipse(QPointF(41, 27.6), 1.3, 1.4);
  p.setBrush(QColor(20, 20, 20));
  p.drawEllipse(QPointF(33, 27.6), 0.6, 0.6);
  p.drawEllipse(QPointF(41, 27.6), 0.6, 0.6);
  p.setBrush(QColor(240, 120, 120, 110));
  p.drawEllipse(QPointF(29.5, 33), 2.4, 1.6);
  p.drawEllipse(QPointF(43.5, 33), 2.4, 1.6);
  p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(30.5, 24.5), QPointF(34.5, 24));
  p.drawLine(QPointF(38.5, 24), QPointF(42.5, 24.5));
  p.drawLine(QPointF(36.5, 28.5), QPointF(35.8, 32));
  p.drawArc(QRectF(32.5, 31.5, 8, 5), 200 * 16, 140 * 16);
  if (player == 1) {
    // Moustache and a checked flat cap.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 30));
    QPainterPath moustache;
    moustache.moveTo(36.5, 32.2);
    moustache.cubicTo(34, 31.5, 31.5, 32.5, 31, 34);
    moustache.cubicTo(33, 33.3, 35, 33.5, 36.5, 33.2);
    moustache.cubicTo(38, 33.5, 40, 33.3, 42, 34);
    moustache.cubicTo(41.5, 32.5, 39, 31.5, 36.5, 32.2);
    p.drawPath(moustache);
    QPainterPath cap;
    cap.moveTo(25, 23);
    cap.cubicTo(25, 13, 33, 11.5, 38, 11.5);
    cap.cubicTo(45, 11.5, 49, 15, 48.5, 21);
    cap.cubicTo(52, 21.5, 53, 23, 50, 24);
    cap.cubicTo(42, 22, 32, 22, 25, 23);
    cap.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(120, 96, 70));
    p.drawPath(cap);
    p.setPen(QPen(QColor(90, 70, 50), 0.7));
    for (double x = 28; x < 48; x += 3.5) p.drawLine(QPointF(x, 13), QPointF(x - 1, 22.5));
  } else {
    // Fringe and a wide-brimmed hat with a ribbon.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 180, 60));
    QPainterPath fringe;
    fringe.moveTo(26, 26);
    fringe.cubicTo(27, 17, 40, 14, 47, 25);
    fringe.cubicTo(42, 20, 34, 20, 26, 26);
    p.drawPath(fringe);
    p.setPen(QPen(QColor(120, 20, 40), 1));
    p.setBrush(QColor(230, 50, 80));
    p.drawEllipse(QPointF(36.5, 18.5), 19, 4);
    QPainterPath crown;
    crown.moveTo(27, 18);
    crown.cubicTo(27, 7, 46, 7, 46, 18);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 120));
    p.drawRect(QRectF(27.2, 14.5, 18.6, 2.6));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(43, 13.5), 2.2, 2.2);
    // Pearl necklace.
    p.setBrush(QColor(250, 250, 246));
    for (int i = 0; i < 7; ++i) {
      const double a = M_PI * (0.15 + 0.7 * i / 6.0);
      p.drawEllipse(QPointF(36.5 - 7 * std::cos(a), 42 + 3.5 * std::sin(a)), 1, 1);
    }
  }
  p.restore();
}

QImage Portraits(int scale) {
  QImage image = Blank(QSize(146, 60), scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  DrawPortrait(p, 1);
  p.translate(73, 0);
  DrawPortrait(p, 2);
  return image;
}

QImage Track(int scale, const TWords& words) {
  QImage image = Blank(QSize(800, 600), scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  TRng rng(0x7AC4);

  // Nine grass lanes of alternating shade, mown in stripes, with white rails between them.
  for (int h = 1; h <= 9; ++h) {
    const int top = 50 + 60 * (h - 1);
    const QColor base = h % 2 ? QColor(78, 152, 58) : QColor(66, 138, 50);
    p.fillRect(QRect(0, top, 800, 60), base);
    for (int x = 0; x < 800; x += 40) {
      p.fillRect(QRect(x, top, 20, 60), QColor(255, 255, 255, 9));
    }
  }
  p.fillRect(QRect(0, 590, 800, 10), QColor(56, 120, 44));
  // Tufts of grass, drawn sparsely so the track stays calm under the horses.
  for (int i = 0; i < 1400; ++i) {
    const double x = rng.Range(0, 800), y = rng.Range(58, 598);
    const bool light = rng.Uniform() < 0.5;
    p.setPen(QPen(light ? QColor(120, 190, 90, 150) : QColor(40, 100, 36, 150), 1.0));
    p.drawLine(QPointF(x, y), QPointF(x + rng.Range(-1.5, 1.5), y - rng.Range(2, 4)));
  }
  // Rails at the lane boundaries.
  for (int k = 1; k <= 9; ++k) {
    const double y = 50 + 60 * k;
    p.setPen(QPen(QColor(30, 80, 26, 120), 1.0));
    p.drawLine(QPointF(0, y + 1.5), QPointF(800, y + 1.5));
    p.setPen(QPen(QColor(250, 250, 244), 1.4));
    p.drawLine(QPointF(0, y - 0.3), QPointF(800, y - 0.3));
  }
  // The finish: a chequered line with a post, just behind where the horses' noses stop.
  const double finish = 784;
  for (int y = 57; y < 590; y += 4) {
    const bool odd = ((y - 57) / 4) % 2;
    p.fillRect(QRectF(finish, y, 3, 4), odd ? QColor(20, 20, 20) : QColor(255, 255, 255));
    p.fillRect(QRectF(finish + 3, y, 3, 4), odd ? QColor(255, 255, 255) : QColor(20, 20, 20));
  }
  p.setPen(QPen(QColor(120, 20, 20), 1));
  p.setBrush(QColor(220, 36, 36));
  p.drawRect(QRectF(791.5, 60.5, 5, 528));
  p.setBrush(Qt::white);
  for (int y = 70; y < 590; y += 24) p.drawRect(QRectF(791.5, y + 0.5, 5, 10));
  // Lane numbers on small white boards at the left edge.
  for (int h = 1; h <= 9; ++h) {
    const double top = 50 + 60 * (h - 1);
    const QRectF board(2.5, top + 20.5, 17, 20);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(252, 252, 246));
    p.drawRoundedRect(board, 3, 3);
    p.setPen(QColor(20, 30, 90));
    p.setFont(Font(kSans, 15, QFont::Bold));
    p.drawText(board, Qt::AlignCenter, QString::number(h));
  }

  // The title banner.
  QLinearGradient sky(0, 0, 0, 57);
  sky.setColorAt(0, QColor(40, 78, 170));
  sky.setColorAt(1, QColor(18, 34, 96));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRect(QRect(0, 0, 800, 55));
  p.fillRect(QRect(0, 53, 800, 2), QColor(255, 214, 90));
  p.fillRect(QRect(0, 55, 800, 2), QColor(120, 80, 10));
  p.fillRect(QRect(0, 0, 800, 1), QColor(110, 150, 230));
  OutlinedText(p, QPointF(400, 27), kTitle, Font(kSerif, 36, QFont::Bold, true),
               QColor(255, 246, 190), QColor(255, 190, 40), QColor(70, 30, 0), 4.0);
  // Lucky horseshoes, open side up, on either side of the title.
  for (double cx : {250.0, 550.0}) {
    const QRectF shoe(cx - 9, 16, 18, 21);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 60, 10), 6.0, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(shoe, 115 * 16, 310 * 16);
    p.setPen(QPen(QColor(255, 214, 90), 4.0, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(shoe, 117 * 16, 306 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 10));
    for (double deg : {150.0, 200.0, 250.0, 290.0, 340.0, 30.0}) {
      const double a = qDegreesToRadians(deg);
      p.drawEllipse(QPointF(cx + 9 * std::cos(a), 26.5 - 10.5 * std::sin(a)), 0.8, 0.8);
    }
  }
  // The banner's shadow on the grass.
  QLinearGradient shadow(0, 57, 0, 63);
  shadow.setColorAt(0, QColor(0, 0, 0, 90));
  shadow.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRect(0, 57, 800, 6), shadow);
  DrawPistol(p, QRectF(21, 15, 37, 32));
  FramedPortrait(p, QRectF(70, 11, 46, 38), 1);
  FramedPortrait(p, QRectF(685, 11, 46, 38), 2);
  ScoreBox(p, QRect(123, 19, 40, 19));
  ScoreBox(p, QRect(123, 39, 40, 13));
  ScoreBox(p, QRect(637, 19, 40, 19));
  ScoreBox(p, QRect(637, 39, 40, 13));
  p.setPen(QColor(255, 226, 130));
  for (const auto& [player, left] : {std::pair{1, 123}, std::pair{2, 637}}) {
    const QString tag = words(PictureWords::PlayerTag).arg(player);
    p.setFont(Fitted(Font(kSans, 10, QFont::Bold), tag, 40, 8));
    p.drawText(QRectF(left, 4, 40, 14), Qt::AlignCenter, tag);
  }
  // The frame of the little animation at the right end.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(746, 13, 35, 36), QColor(214, 170, 60));
  p.fillRect(QRect(747, 14, 33, 34), QColor(90, 60, 10));
  p.fillRect(QRect(749, 16, 29, 30), QColor(0, 0, 0));
  return image;
}

QImage Panel(int scale, const TWords& words) {
  QImage image = Blank(QSize(353, 360), scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  // The dark band: a blurred grandstand at dusk.
  QLinearGradient night(0, 0, 0, 78);
  night.setColorAt(0, QColor(14, 20, 40));
  night.setColorAt(1, QColor(40, 30, 36));
  p.fillRect(QRect(0, 0, 353, 78), night);
  TRng rng(0x9A4E1);
  for (int i = 0; i < 220; ++i) {
    const double x = rng.Range(0, 353), y = rng.Range(30, 78);
    const QColor c = QColor::fromHsv(int(rng.Range(0, 359)), 120, 120, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(x, y), rng.Range(1.5, 3.5), rng.Range(1.5, 3.5));
  }
  for (int i = 0; i < 9; ++i) {
    QRadialGradient lamp(QPointF(20 + 39 * i, 8), 12);
    lamp.setColorAt(0, QColor(255, 230, 170, 120));
    lamp.setColorAt(1, QColor(255, 230, 170, 0));
    p.setBrush(lamp);
    p.drawEllipse(QPointF(20 + 39 * i, 8), 12, 12);
  }
  p.fillRect(QRect(0, 0, 353, 78), QColor(0, 0, 0, 110));
  QStringList lines = {words(PictureWords::PanelJoke).toUpper()};
  for (const char* rule : PictureWords::PanelRules) lines << words(rule).toUpper();
  for (int i = 0; i < lines.size(); ++i) {
    p.setFont(
        Fitted(Font(kSans, 9.5, i == 0 ? QFont::Bold : QFont::Normal, i == 0), lines[i], 340, 8));
    p.setPen(i == 0 ? QColor(255, 222, 120) : QColor(255, 255, 255));
    p.drawText(QRectF(0, 4 + 14 * i, 353, 14), Qt::AlignCenter, lines[i]);
  }
  p.fillRect(QRect(0, 77, 353, 1), QColor(255, 200, 80));

  Flames(p, QRectF(0, 78, 353, 282));
  // The heading of the selection area, on a white ribbon for contrast, widened for a long one.
  const QString heading = words(PictureWords::PanelHeading).toUpper();
  const QFont headingFont = Fitted(Font(kSans, 12, QFont::Bold), heading, 329, 10);
  const double ribbon = std::max(241.0, QFontMetricsF(headingFont).horizontalAdvance(heading) + 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 210));
  p.drawRoundedRect(QRectF(176.5 - ribbon / 2, 83.5, ribbon, 16), 8, 8);
  p.setPen(QColor(0, 0, 0));
  p.setFont(headingFont);
  p.drawText(QRectF(0, 84, 353, 15), Qt::AlignCenter, heading);
  BlackFrame(p, QRect(22, 104, 305, 72));
  BlackFrame(p, QRect(21, 186, 306, 141));
  // The validation bar.
  QLinearGradient bar(0, 334, 0, 352);
  bar.setColorAt(0, QColor(214, 238, 255));
  bar.setColorAt(1, QColor(140, 196, 244));
  p.setPen(QPen(QColor(40, 80, 150), 1));
  p.setBrush(bar);
  p.drawRoundedRect(QRectF(20.5, 334.5, 308, 17), 8.5, 8.5);
  p.setPen(QColor(16, 40, 120));
  const QString validation = words(PictureWords::ValidationBar).toUpper();
  p.setFont(Fitted(Font(kSans, 12, QFont::Bold), validation, 297, 10));
  p.drawText(QRectF(20, 334, 309, 18), Qt::AlignCenter, validation);
  return image;
}

QImage Splash(int scale, const TWords& words) {
  QImage image = Blank(QSize(344, 249), scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient sky(0, 0, 0, 249);
  sky.setColorAt(0, QColor(214, 236, 255));
  sky.setColorAt(1, QColor(168, 210, 246));
  p.fillRect(QRect(0, 0, 344, 249), sky);
  // Soft sun rays behind the badge.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 16; ++i) {
    QPainterPath ray;
    const double a = i * M_PI / 8, b = a + M_PI / 16;
    const QPointF c(172, 128);
    ray.moveTo(c);
    ray.lineTo(c + QPointF(300 * std::cos(a), 300 * std::sin(a)));
    ray.lineTo(c + QPointF(300 * std::cos(b), 300 * std::sin(b)));
    ray.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(ray);
  }
  // A strip of turf along the bottom.
  p.setBrush(QColor(90, 170, 70));
  p.drawRect(QRectF(0, 226, 344, 23));
  p.setBrush(QColor(120, 196, 90));
  p.drawRect(QRectF(0, 226, 344, 3));
  OutlinedText(p, QPointF(172, 30), kTitle, Font(kSerif, 40, QFont::Bold, true),
               QColor(255, 250, 200), QColor(250, 176, 30), QColor(40, 30, 90), 5.0);
  DrawHorseHeadBadge(p, QRectF(115, 63, 114, 114));
  p.setPen(QColor(30, 50, 110));
  // Between the two riders.
  const QString click = words(PictureWords::SplashClick);
  p.setFont(Fitted(Font(kSans, 11, QFont::Bold), click, 190, 9));
  p.drawText(QRectF(0, 180, 344, 16), Qt::AlignCenter, click);
  // Two riders, each heading for the centre.
  p.save();
  p.translate(2, 176);
  DrawHorse(p, 1, 3, false);
  p.restore();
  p.save();
  p.translate(342, 176);
  p.scale(-1, 1);
  DrawHorse(p, 3, 7, false);
  p.restore();
  p.setPen(QPen(QColor(40, 60, 120), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 342, 247));
  return image;
}

QImage Icon(int size, int scale) {
  QImage image = Blank(QSize(size, size), scale, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  DrawHorseHeadBadge(p, QRectF(0, 0, size, size));
  return image;
}

}  // namespace Art
