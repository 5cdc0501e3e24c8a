#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

// A 24-bit colour stored as 0x00BBGGRR.
using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWindowText = clBlack;

QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor& color);

// Left, top, right, bottom; right and bottom exclusive.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
  static TRect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  }
  bool operator==(const TRect&) const = default;
};

// The smallest rectangle holding both.
TRect UnionRect(const TRect& a, const TRect& b);

enum class TBrushStyle {
  Solid,
  Clear,
  Horizontal,
  Vertical,
  FDiagonal,
  BDiagonal,
  Cross,
  DiagCross
};

struct TBrush {
  TColor Color = 0xFFFFFF;
  TBrushStyle Style = TBrushStyle::Solid;
  bool operator==(const TBrush&) const = default;
};

enum class TPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = TPenStyle::Solid;
  bool operator==(const TPen&) const = default;
};

// A font described by name, character height in pixels, style and colour. Every change is
// announced through OnChange, so an owner can follow edits of a font it hands out.
class TFont {
 public:
  std::function<void()> OnChange;

  const QString& Name() const { return name_; }
  int Height() const { return height_; }
  bool Bold() const { return bold_; }
  bool Italic() const { return italic_; }
  TColor Color() const { return color_; }
  int Charset() const { return charset_; }

  void SetName(const QString& name);
  void SetHeight(int height);
  void SetBold(bool bold);
  void SetItalic(bool italic);
  void SetColor(TColor color);
  void SetCharset(int charset);
  // Copies the description of another font (not its listener); one change is announced.
  void Assign(const TFont& other);

  // The description of a Qt font at its size in pixels, written in `color`.
  static TFont FromQFont(const QFont& font, TColor color);
  QFont ToQFont() const;
  bool SameAs(const TFont& other) const;

 private:
  // Stores a new value of one field and tells the owner.
  template <typename T>
  void Change(T& field, const T& value) {
    field = value;
    Changed();
  }
  void Changed();

  QString name_ = QStringLiteral("MS Sans Serif");
  int height_ = -11;  // negative: character height, as the form descriptions give it
  bool bold_ = false;
  bool italic_ = false;
  TColor color_ = clWindowText;
  int charset_ = 1;
};
