// The sheets in docs/art for looking at the artwork: every picture on one page, the gallop frames,
// the gentleman's loop, and details at 2× beside the same details at 1× blown up.
#include <QPainter>

#include "tools/artwork/Artwork.h"

namespace Art {

namespace {

QImage FromIndexed(const TIndexed& picture) {
  return ToImage(picture).convertToFormat(QImage::Format_RGB32);
}

QImage Enlarged(const QImage& image, int factor) {
  return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

// Copies cell (horse, frame) of a sheet drawn at `scale` onto `onto` at device pixel `at`, leaving
// out the field as the game does: keyed on the colour at the cell's logical (1, 1).
void PasteKeyed(QImage& onto, QPoint at, const QImage& sheet, int scale, int horse, int frame) {
  const QPoint corner(kCellW * scale * (frame - 1), kCellH * scale * (horse - 1));
  const QRgb key = sheet.pixel(corner + QPoint(scale, scale));
  for (int y = 0; y < kCellH * scale; ++y)
    for (int x = 0; x < kCellW * scale; ++x) {
      const QRgb c = sheet.pixel(corner + QPoint(x, y));
      if (c != key) onto.setPixel(at + QPoint(x, y), c);
    }
}

QImage OnGrass(const TPictures& pictures, int scale, int horse, int frame) {
  QImage lane = pictures.Words.Track.copy(
      QRect(QPoint(300, 50 + kCellH * (horse - 1)) * scale, QSize(kCellW, kCellH) * scale));
  PasteKeyed(lane, QPoint(0, 0), FromIndexed(pictures.Horses), scale, horse, frame);
  return lane;
}

void WriteOneToOneSheets(const QDir& docs, const TPictures& one) {
  WritePng(Enlarged(FromIndexed(one.Horses), 2), docs.filePath("horses.png"));
  QImage manSheet(10 * 84 + 4, 5 * 84 + 4, QImage::Format_RGB32);
  manSheet.fill(QColor(90, 90, 90));
  {
    QPainter p(&manSheet);
    for (int i = 0; i < 50; ++i)
      p.drawImage(4 + 84 * (i % 10), 4 + 84 * (i / 10),
                  Enlarged(FromIndexed(one.Man[size_t(i)]), 2));
  }
  WritePng(manSheet, docs.filePath("man.png"));
  QImage contact(1190, 1000, QImage::Format_RGB32);
  contact.fill(QColor(200, 200, 200));
  {
    QPainter p(&contact);
    p.drawImage(10, 10, one.Words.Track);
    p.drawImage(825, 10, one.Words.Panel);
    p.drawImage(825, 390, one.Words.Splash);
    p.drawImage(10, 625, Enlarged(one.Portraits, 2));
    p.drawImage(320, 625, Icon(32, 1));
    p.drawImage(370, 625, Icon(256, 1));
    // A galloping row over the track, as the game draws it (colour-keyed).
    QImage onTrack = one.Words.Track.copy(0, 50, 800, 300);
    for (int h = 1; h <= 5; ++h)
      PasteKeyed(onTrack, QPoint(120 * h, 60 * (h - 1)), one.Sheet, 1, h, h + 1);
    p.drawImage(640, 625, onTrack.scaled(540, 203, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  WritePng(contact, docs.filePath("contact-sheet.png"));
}

// Details of each picture as a scale-2 screen shows them: the 1× drawing blown up on the left,
// the 2× drawing on the right.
void WriteTwiceSizeSheet(const QDir& docs, const TPictures& one, const TPictures& two) {
  struct TDetail {
    QImage One, Two;
    QRect Crop;  // logical pixels
  };
  const TDetail rows[3][4] = {
      {{one.Words.Track, two.Words.Track, {236, 4, 140, 48}},
       {one.Words.Track, two.Words.Track, {18, 6, 150, 48}}},
      {{one.Words.Panel, two.Words.Panel, {0, 2, 180, 30}},
       {one.Portraits, two.Portraits, {0, 0, 146, 60}}},
      {{one.Words.Splash, two.Words.Splash, {118, 62, 108, 108}},
       {OnGrass(one, 1, 4, 3), OnGrass(two, 2, 4, 3), {0, 0, 73, 60}},
       {OnGrass(one, 1, 9, 6), OnGrass(two, 2, 9, 6), {0, 0, 73, 60}},
       {FromIndexed(one.Man[25]), FromIndexed(two.Man[25]), {0, 0, 40, 40}}},
  };
  constexpr int kGap = 4, kMargin = 8;
  QImage sheet = Blank(QSize(730, 250), 2, QImage::Format_RGB32);
  sheet.fill(QColor(200, 200, 200));
  QPainter p(&sheet);
  int y = kMargin;
  for (const auto& row : rows) {
    int x = kMargin, height = 0;
    for (const TDetail& d : row) {
      if (d.One.isNull()) continue;
      const QRect& c = d.Crop;
      p.drawImage(QRect(QPoint(x, y), c.size()), d.One, c);
      x += c.width() + kGap;
      p.drawImage(QRect(QPoint(x, y), c.size()), d.Two, QRect(c.topLeft() * 2, c.size() * 2));
      x += c.width() + 3 * kGap;
      height = std::max(height, c.height());
    }
    y += height + kMargin;
  }
  p.end();
  WritePng(sheet, docs.filePath("contact-sheet@2x.png"));
}

}  // namespace

void WriteReviewSheets(const QDir& docs, const TPictures& one, const TPictures& two) {
  WriteOneToOneSheets(docs, one);
  WriteTwiceSizeSheet(docs, one, two);
}

void WriteLanguageSheet(const QDir& docs, const std::vector<TLanguagePictures>& languages) {
  // A row a language: its code, the panel, the splash, and under it the players' tags blown up.
  constexpr int kRow = 370, kLeft = 40;
  QImage sheet(kLeft + 353 + 10 + 344 + 10, 10 + kRow * int(languages.size()),
               QImage::Format_RGB32);
  sheet.fill(QColor(200, 200, 200));
  QPainter p(&sheet);
  p.setFont(Font(QStringLiteral("Liberation Sans"), 16, QFont::Bold));
  int y = 10;
  for (const TLanguagePictures& language : languages) {
    const TWordPictures& pictures = language.Pictures;
    p.drawText(QRect(0, y, kLeft, 30), Qt::AlignCenter, language.Language);
    p.drawImage(kLeft, y, pictures.Panel);
    p.drawImage(kLeft + 363, y, pictures.Splash);
    for (int player = 0; player < 2; ++player) {
      const QRect tag(QPoint(116 + 514 * player, 0), QSize(54, 56));
      p.drawImage(QRect(QPoint(kLeft + 363 + 170 * player, y + 259), tag.size() * 2),
                  pictures.Track, tag);
    }
    y += kRow;
  }
  p.end();
  WritePng(sheet, docs.filePath("languages.png"));
}

}  // namespace Art
