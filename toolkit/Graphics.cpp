#include "toolkit/Graphics.h"

#include <QFontInfo>
#include <algorithm>
#include <cstdlib>

QColor ColorToQColor(TColor color) {
  return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor QColorToColor(const QColor& color) {
  return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}

TRect UnionRect(const TRect& a, const TRect& b) {
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

void TFont::SetName(const QString& name) {
  Change(name_, name);
}

void TFont::SetHeight(int height) {
  Change(height_, height);
}

void TFont::SetBold(bool bold) {
  Change(bold_, bold);
}

void TFont::SetItalic(bool italic) {
  Change(italic_, italic);
}

void TFont::SetColor(TColor color) {
  Change(color_, color);
}

void TFont::SetCharset(int charset) {
  Change(charset_, charset);
}

void TFont::Assign(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  bold_ = other.bold_;
  italic_ = other.italic_;
  color_ = other.color_;
  charset_ = other.charset_;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange();
}

TFont TFont::FromQFont(const QFont& font, TColor color) {
  // A font given in points has as many pixels as it has on the device it was made for.
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  TFont result;
  result.SetName(font.family());
  result.SetHeight(-pixels);
  result.SetBold(font.bold());
  result.SetItalic(font.italic());
  result.SetColor(color);
  return result;
}

QFont TFont::ToQFont() const {
  QFont font(name_);
  font.setPixelSize(std::max(1, std::abs(height_)));
  font.setBold(bold_);
  font.setItalic(italic_);
  // Canvas text is drawn in plain pixels of the font's colour, as on the classic desktop.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && bold_ == other.bold_ &&
         italic_ == other.italic_ && color_ == other.color_ && charset_ == other.charset_;
}
