// The galloping horses with their jockeys, one coat and one set of silks per horse, drawn as
// vector shapes in the 73×60 cell, facing right.
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "tools/artwork/Artwork.h"

namespace Art {

namespace {

struct TCoat {
  QColor Body;
  QColor Mane;
  bool Blaze;  // white face marking
  bool Socks;  // white lower legs
};

struct TSilks {
  QColor Jacket;
  QColor Trim;
  QColor Digit;
};

// Bay, chestnut, black, grey, palomino, dark bay, white, buckskin, flaxen liver chestnut.
const TCoat kCoats[9] = {
    {QColor(160, 86, 42), QColor(28, 22, 20), false, false},
    {QColor(196, 104, 48), QColor(150, 70, 30), true, false},
    {QColor(52, 46, 48), QColor(22, 20, 22), false, true},
    {QColor(184, 186, 192), QColor(96, 98, 106), false, false},
    {QColor(226, 182, 104), QColor(250, 242, 218), true, false},
    {QColor(104, 58, 32), QColor(24, 18, 16), false, true},
    {QColor(240, 236, 226), QColor(200, 196, 186), false, false},
    {QColor(208, 164, 98), QColor(34, 26, 22), false, false},
    {QColor(132, 66, 36), QColor(232, 214, 172), true, false},
};

// The usual saddle-cloth colours of race numbers 1 to 9.
const TSilks kSilks[9] = {
    {QColor(214, 32, 40), QColor(255, 255, 255), QColor(255, 255, 255)},
    {QColor(250, 250, 250), QColor(30, 30, 30), QColor(20, 20, 20)},
    {QColor(30, 84, 200), QColor(255, 255, 255), QColor(255, 255, 255)},
    {QColor(252, 214, 20), QColor(20, 20, 20), QColor(20, 20, 20)},
    {QColor(24, 150, 60), QColor(255, 255, 255), QColor(255, 255, 255)},
    {QColor(26, 26, 30), QColor(252, 214, 20), QColor(252, 214, 20)},
    {QColor(250, 130, 20), QColor(20, 20, 20), QColor(20, 20, 20)},
    {QColor(246, 130, 180), QColor(20, 20, 20), QColor(20, 20, 20)},
    {QColor(40, 200, 200), QColor(200, 20, 40), QColor(200, 20, 40)},
};

double Lerp(double a, double b, double t) {
  return a + (b - a) * t;
}
double Smooth(double t) {
  return t * t * (3 - 2 * t);
}

QPointF Polar(QPointF from, double length, double degrees) {
  // 0° points straight down; positive angles swing the segment forward (to the right).
  const double r = qDegreesToRadians(degrees);
  return from + QPointF(std::sin(r) * length, std::cos(r) * length);
}

// One leg at `phase` of its own stride (0 = hoof lands). Returns hip, joint, fetlock, hoof.
struct TLeg {
  QPointF Top, Knee, Fetlock, Hoof;
};

TLeg Leg(QPointF top, double phase, bool front) {
  phase -= std::floor(phase);
  const double stance = 0.38;
  double swing, bend;
  if (phase < stance) {
    const double s = phase / stance;
    swing = front ? Lerp(30, -28, s) : Lerp(22, -34, s);
    bend = front ? 4 : 10;
  } else {
    const double s = (phase - stance) / (1 - stance);
    swing = front ? Lerp(-28, 30, Smooth(s)) : Lerp(-34, 22, Smooth(s));
    bend = (front ? 95 : 70) * std::sin(M_PI * std::min(1.0, s * 1.15));
    if (front && s > 0.6) swing += 15 * std::sin(M_PI * (s - 0.6) / 0.4);  // the reach
  }
  TLeg leg;
  leg.Top = top;
  if (front) {
    leg.Knee = Polar(top, 10.5, swing + bend * 0.15);
    leg.Fetlock = Polar(leg.Knee, 8.5, swing - bend);
    leg.Hoof = Polar(leg.Fetlock, 3.0, swing - bend * 0.6 + 25);
  } else {
    // The hock points backwards: gaskin slopes back, cannon comes forward again.
    leg.Knee = Polar(top, 11.0, swing - 22 + bend * 0.45);
    leg.Fetlock = Polar(leg.Knee, 9.0, swing + 8 - bend * 0.55);
    leg.Hoof = Polar(leg.Fetlock, 3.0, swing + 30 - bend * 0.3);
  }
  return leg;
}

void StrokeLeg(QPainter& p, const TLeg& leg, const QColor& coat, const QColor& outline, bool socks,
               bool front) {
  const double upper = front ? 5.2 : 6.4;
  const QPointF mid = (leg.Top + leg.Knee) / 2;
  const QColor lower = socks ? QColor(246, 244, 238) : coat;
  // All outlines first and all fills after, so the joints show no seams.
  const struct {
    QPointF A, B;
    double Width;
    QColor Colour;
  } parts[] = {{leg.Top, mid, upper, coat},
               {mid, leg.Knee, upper * 0.62, coat},
               {leg.Knee, leg.Fetlock, 2.5, lower},
               {leg.Fetlock, leg.Hoof, 2.3, lower}};
  // The thigh melts into the body: no outline where the leg leaves it.
  for (const auto& part : parts) {
    if (&part == &parts[0]) continue;
    p.setPen(QPen(outline, part.Width + 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(part.A, part.B);
  }
  for (const auto& part : parts) {
    p.setPen(QPen(part.Colour, part.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(part.A, part.B);
  }
  // The hoof, a dark wedge at the end of the pastern.
  p.setPen(QPen(QColor(34, 30, 28), 3.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(leg.Hoof, leg.Hoof + (leg.Hoof - leg.Fetlock) * 0.25);
}

}  // namespace

void DrawHorse(QPainter& p, int horse, int frame, bool withNumber) {
  const TCoat& coat = kCoats[horse - 1];
  const TSilks& silks = kSilks[horse - 1];
  const double t = double(frame - 1) / 8.0;
  const double bob = 1.3 * std::sin(2 * M_PI * (t + 0.15));
  const double nod = 1.6 * std::sin(2 * M_PI * (t + 0.55));
  const QColor outline = coat.Body.darker(coat.Body.lightness() < 80 ? 160 : 210);
  const QColor far = coat.Body.darker(135);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(0, bob);

  // Legs attach at the hip and the shoulder. Footfalls of a gallop: hind pair, then fore pair.
  const QPointF hip(22, 36), shoulder(45, 38);
  const double offsets[4] = {0.0, 0.10, 0.32, 0.42};  // far hind, near hind, far fore, near fore
  const TLeg farHind = Leg(hip + QPointF(2, 0), t - offsets[0], false);
  const TLeg nearHind = Leg(hip, t - offsets[1], false);
  const TLeg farFore = Leg(shoulder + QPointF(2, 0), t - offsets[2], true);
  const TLeg nearFore = Leg(shoulder, t - offsets[3], true);
  StrokeLeg(p, farHind, far, outline, coat.Socks, false);
  StrokeLeg(p, farFore, far, outline, coat.Socks, true);

  // Tail, streaming back and swinging with the stride.
  const double swish = 2.0 * std::sin(2 * M_PI * (t + 0.3));
  QPainterPath tail;
  tail.moveTo(14, 27);
  tail.cubicTo(8, 25 + swish, 4, 27 + swish, 1.5, 33 + swish);
  tail.cubicTo(3, 32.5 + swish, 4, 33 + swish, 3.5, 36 + swish);
  tail.cubicTo(7, 34 + swish, 10, 32, 13.5, 31.5);
  tail.closeSubpath();
  p.setPen(QPen(coat.Mane.darker(140), 0.9));
  p.setBrush(coat.Mane);
  p.drawPath(tail);

  // Body, neck and head as one hand-drawn outline; the head nods with the stride.
  const double n = nod;
  QPainterPath whole;
  whole.moveTo(13.5, 27.5);
  whole.cubicTo(16, 23.5, 21, 22.5, 25, 24);                      // croup
  whole.cubicTo(29, 25.5, 35, 25.5, 40, 23);                      // back to withers
  whole.cubicTo(45, 19, 49, 14 + n * 0.5, 53.5, 10.5 + n);        // crest
  whole.cubicTo(57, 9.5 + n, 61, 11 + n, 63.5, 14 + n);           // forehead
  whole.cubicTo(66, 16.5 + n, 69.5, 19 + n, 69.8, 21.2 + n);      // face to muzzle
  whole.cubicTo(70, 23.6 + n, 67, 24.6 + n, 64.5, 23.4 + n);      // muzzle and chin
  whole.cubicTo(61.5, 22.5 + n, 58.5, 21.5 + n, 56.5, 19.5 + n);  // jaw
  whole.cubicTo(54.5, 24, 53, 29, 52.5, 33);                      // throat to chest
  whole.cubicTo(52.5, 37, 50, 40.5, 46, 41);                      // chest to brisket
  whole.cubicTo(40, 42, 34, 42, 29, 40.5);                        // belly
  whole.cubicTo(26, 40, 24, 41, 21, 40.5);                        // flank to stifle
  whole.cubicTo(15, 40, 11.5, 35, 12, 31);                        // quarters
  whole.cubicTo(12.2, 29.5, 12.6, 28.4, 13.5, 27.5);
  whole.closeSubpath();
  QLinearGradient shade(0, 14, 0, 42);
  shade.setColorAt(0, coat.Body.lighter(120));
  shade.setColorAt(0.5, coat.Body);
  shade.setColorAt(1, coat.Body.darker(128));
  p.setPen(QPen(outline, 1.0));
  p.setBrush(shade);
  p.drawPath(whole);
  // A touch of shine on the quarters and the shoulder.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawEllipse(QPointF(19, 28.5), 4.5, 2.6);
  p.drawEllipse(QPointF(46, 27), 3.0, 4.5);
  p.setPen(QPen(outline, 1.0));
  p.setBrush(shade);
  // Ears.
  QPainterPath ear;
  ear.moveTo(53, 11.5 + nod);
  ear.lineTo(53.8, 6.5 + nod);
  ear.lineTo(56.5, 10.6 + nod);
  ear.closeSubpath();
  p.drawPath(ear);

  // Mane along the crest.
  QPainterPath mane;
  mane.moveTo(40, 26);
  mane.cubicTo(45, 19, 49, 15 + nod * 0.5, 53.5, 11.5 + nod);
  mane.cubicTo(50, 16 + nod * 0.5, 47, 21, 43, 28);
  mane.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(coat.Mane);
  p.drawPath(mane);

  // Face: blaze, eye, nostril, bridle.
  if (coat.Blaze) {
    QPainterPath blaze;
    blaze.moveTo(58, 11.5 + nod);
    blaze.cubicTo(62, 13 + nod, 66, 17 + nod, 68.5, 20.5 + nod);
    blaze.cubicTo(66, 19 + nod, 62, 16 + nod, 58, 13 + nod);
    blaze.closeSubpath();
    p.setBrush(QColor(250, 248, 240));
    p.drawPath(blaze);
  }
  p.setBrush(QColor(20, 16, 14));
  p.drawEllipse(QPointF(59.2, 14.6 + nod), 1.1, 1.0);
  p.setBrush(QColor(255, 255, 255));
  p.drawEllipse(QPointF(59.5, 14.3 + nod), 0.35, 0.35);
  p.setBrush(outline);
  p.drawEllipse(QPointF(67.6, 20.3 + nod), 0.8, 0.6);
  p.setPen(QPen(QColor(60, 30, 20), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(56, 12 + nod), QPointF(58.5, 20.5 + nod));
  p.drawLine(QPointF(63.5, 15 + nod), QPointF(63.5, 22.6 + nod));
  // Reins to the jockey's hands.
  p.drawLine(QPointF(64, 21 + nod), QPointF(48.5, 20.5));

  // Saddle cloth with the race number.
  QPainterPath cloth;
  cloth.addRoundedRect(QRectF(28, 25, 11.5, 11), 2, 2);
  p.setPen(QPen(silks.Jacket.darker(150), 0.8));
  p.setBrush(silks.Jacket);
  p.drawPath(cloth);
  if (withNumber) {
    p.setPen(silks.Digit);
    p.setFont(Font("Liberation Sans", 10, QFont::Bold));
    p.drawText(QRectF(28, 25, 11.5, 11), Qt::AlignCenter, QString::number(horse));
  }

  StrokeLeg(p, nearHind, coat.Body, outline, coat.Socks, false);
  StrokeLeg(p, nearFore, coat.Body, outline, coat.Socks, true);

  // The jockey, crouched over the withers, riding the horse's motion a little late.
  p.translate(0, -0.5 * bob);
  // Drawn a size up around the saddle, so the rider reads clearly at 1:1.
  p.translate(40, 24);
  p.scale(1.18, 1.18);
  p.translate(-40, -24);
  const QColor skin(236, 190, 150);
  const QColor breeches(250, 250, 246);
  const QColor boot(70, 44, 30);
  auto limb = [&](QPointF a, QPointF b, double w, const QColor& c) {
    p.setPen(QPen(c.darker(170), w + 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
  };
  const QPointF seat(37.5, 19.5), knee(44, 22.5), foot(41.5, 28.5), shoulderJ(45.5, 13.5);
  limb(seat, knee, 4.4, breeches);
  limb(knee, foot, 3.0, boot);
  p.setPen(QPen(QColor(196, 140, 80), 2.8, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(knee + (foot - knee) * 0.12, knee + (foot - knee) * 0.32);  // boot top
  // Torso.
  QPainterPath torso;
  torso.moveTo(34.5, 20.5);
  torso.cubicTo(36, 14, 41, 10.5, 47, 12);
  torso.lineTo(46.5, 17);
  torso.cubicTo(43, 17, 39.5, 19, 38.5, 22.5);
  torso.closeSubpath();
  p.setPen(QPen(silks.Jacket.darker(160), 0.9));
  p.setBrush(silks.Jacket);
  p.drawPath(torso);
  // A sash of the trim colour across the jacket.
  p.setPen(QPen(silks.Trim, 1.6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(38, 19), QPointF(44, 12.2));
  limb(shoulderJ, QPointF(49.5, 18.5), 2.6, silks.Jacket);
  p.setPen(Qt::NoPen);
  p.setBrush(skin);
  p.drawEllipse(QPointF(49.5, 19), 1.2, 1.2);
  // Head and cap.
  p.setPen(QPen(skin.darker(160), 0.8));
  p.setBrush(skin);
  p.drawEllipse(QPointF(49, 10.5), 2.8, 2.8);
  QPainterPath cap;
  cap.moveTo(45.8, 10.6);
  cap.cubicTo(45.8, 6.2, 52.2, 6.2, 52.2, 9.8);
  cap.lineTo(54.5, 10.4);
  cap.lineTo(46, 11.4);
  cap.closeSubpath();
  p.setPen(QPen(silks.Trim.darker(150), 0.8));
  p.setBrush(silks.Trim == QColor(255, 255, 255) ? silks.Jacket.lighter(130) : silks.Trim);
  p.drawPath(cap);
  p.restore();
}

QImage HorseSheet(int scale) {
  // Written pixel by pixel, so in device pixels: cell (h, f) starts at scale × its 1× corner.
  QImage sheet(586 * scale, 540 * scale, QImage::Format_RGB32);
  sheet.fill(kKey);
  // Each figure is drawn on transparency, then its soft edge is settled against a mid grass
  // green (what it is seen over on the track), leaving the field exactly the key colour.
  const QColor grass(74, 146, 56);
  for (int h = 1; h <= 9; ++h) {
    for (int f = 1; f <= 8; ++f) {
      QImage cell = Blank(QSize(kCellW, kCellH), scale, QImage::Format_ARGB32_Premultiplied);
      cell.fill(Qt::transparent);
      {
        QPainter p(&cell);
        DrawHorse(p, h, f);
      }
      const int ox = kCellW * scale * (f - 1), oy = kCellH * scale * (h - 1);
      for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
          const QRgb c = cell.pixel(x, y);  // unpremultiplied
          const int a = qAlpha(c);
          if (a < 100) continue;
          const double k = a / 255.0;
          const QRgb out = qRgb(int(std::lround(qRed(c) * k + grass.red() * (1 - k))),
                                int(std::lround(qGreen(c) * k + grass.green() * (1 - k))),
                                int(std::lround(qBlue(c) * k + grass.blue() * (1 - k))));
          sheet.setPixel(ox + x, oy + y, out == kKey ? qRgb(8, 73, 8) : out);
        }
      }
    }
  }
  return sheet;
}

// A horse's head in profile, facing left, in a red disc ringed with white and gold.
void DrawHorseHeadBadge(QPainter& p, const QRectF& box) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(box.topLeft());
  p.scale(box.width() / 100.0, box.height() / 100.0);
  p.setPen(QPen(QColor(150, 110, 20), 2.5));
  p.setBrush(QColor(232, 190, 70));
  p.drawEllipse(QPointF(50, 50), 48.5, 48.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawEllipse(QPointF(50, 50), 44, 44);
  QRadialGradient red(QPointF(40, 38), 55);
  red.setColorAt(0, QColor(236, 60, 52));
  red.setColorAt(1, QColor(170, 18, 24));
  p.setBrush(red);
  p.drawEllipse(QPointF(50, 50), 40, 40);

  QPainterPath clip;
  clip.addEllipse(QPointF(50, 50), 40, 40);
  p.setClipPath(clip);
  // Head and neck.
  QPainterPath head;
  head.moveTo(76, 96);
  head.cubicTo(76, 70, 70, 40, 58, 26);
  head.lineTo(60, 14);
  head.lineTo(54, 22);
  head.cubicTo(48, 20, 42, 22, 36, 28);
  head.cubicTo(30, 36, 24, 46, 20, 54);
  head.cubicTo(17, 60, 20, 66, 27, 66);
  head.cubicTo(33, 66, 38, 62, 44, 58);
  head.cubicTo(48, 56, 50, 60, 48, 66);
  head.cubicTo(45, 78, 40, 88, 38, 96);
  head.closeSubpath();
  QLinearGradient coat(20, 20, 70, 90);
  coat.setColorAt(0, QColor(196, 112, 58));
  coat.setColorAt(1, QColor(112, 56, 28));
  p.setPen(QPen(QColor(60, 28, 14), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(coat);
  p.drawPath(head);
  // Mane.
  QPainterPath mane;
  mane.moveTo(58, 26);
  mane.cubicTo(70, 40, 76, 70, 78, 96);
  mane.lineTo(88, 96);
  mane.cubicTo(86, 70, 78, 40, 62, 20);
  mane.closeSubpath();
  p.setBrush(QColor(40, 24, 16));
  p.drawPath(mane);
  // Blaze, eye, nostril, bridle.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(252, 250, 244));
  QPainterPath blaze;
  blaze.moveTo(40, 28);
  blaze.cubicTo(36, 36, 28, 48, 24, 58);
  blaze.cubicTo(30, 52, 38, 40, 44, 30);
  blaze.closeSubpath();
  p.drawPath(blaze);
  p.setBrush(QColor(24, 16, 12));
  p.drawEllipse(QPointF(46, 36), 3.6, 3.0);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(45, 35), 1.1, 1.1);
  p.setBrush(QColor(60, 30, 16));
  p.drawEllipse(QPointF(24, 60), 2.4, 1.8);
  p.setPen(QPen(QColor(30, 30, 40), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(56, 28), QPointF(40, 62));
  p.drawLine(QPointF(26, 52), QPointF(50, 47));
  p.setPen(QPen(QColor(230, 190, 60), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(40, 61), 3, 3);
  p.restore();
}

}  // namespace Art
