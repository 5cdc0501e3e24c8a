#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Graphics.h"
#include "toolkit/HintWindow.h"

enum TAlignment : int32_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

class TCloudHint;
class TCloudHintWindow;

// Told, with the cursor position in screen pixels, that a cloud is about to be shown.
using TOnHintEvent = std::function<void(TCloudHint* sender, int32_t x, int32_t y)>;

// Placed on the main window, makes the whole application show its hints in a cloud-shaped
// window and carries that window's settings. It draws nothing itself; the window reads the
// settings afresh at every hint.
class TCloudHint : public QObject {
  Q_OBJECT

 public:
  // Installs the cloud window as the application's hint window, with this component's delays.
  explicit TCloudHint(QWidget* owner);
  ~TCloudHint() override;

  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor color) { hintColor_ = color; }
  bool HintSmoke() const { return hintSmoke_; }
  void SetHintSmoke(bool smoke) { hintSmoke_ = smoke; }
  // Handed to the application's hint delay, only when it changes.
  int32_t HintPauseTime() const { return hintPauseTime_; }
  void SetHintPauseTime(int32_t milliseconds);
  // Handed to the application's hint display time on every write.
  int32_t HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int32_t milliseconds);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
  const TPen& Pen() const { return pen_; }
  void SetPen(const TPen& pen) { pen_ = pen; }
  const TBrush& Brush() const { return brush_; }
  void SetBrush(const TBrush& brush) { brush_ = brush; }
  // Editing the returned font switches the hint text to it (OwnerFont becomes false).
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  // Copies `font`; null means "use the owner's font" (OwnerFont := true).
  void SetFont(const TFont* font);
  bool OwnerFont() const { return !useOwnFont_; }
  // True copies the owner window's current font into Font. Throws EToolkitError when the
  // component has no owner window, leaving OwnerFont as it was.
  void SetOwnerFont(bool ownerFont);
  const TBitmap& TiledImage() const { return tiledImage_; }
  void SetTiledImage(const TBitmap& picture) { tiledImage_ = picture; }
  const TBitmap& Icon() const { return icon_; }
  void SetIcon(const TBitmap& picture) { icon_ = picture; }
  int32_t MaxClub() const { return maxClub_; }
  void SetMaxClub(int32_t pixels) { maxClub_ = pixels; }
  TOnHintEvent OnHint;

  QWidget* Owner() const { return owner_; }
  // The owner window's current font as the toolkit describes fonts; throws EToolkitError
  // without an owner window.
  TFont OwnerWindowFont() const;
  // Where the cursor was when the cloud window last activated.
  QPoint CursorPos() const { return cursorPos_; }
  bool SavedShowHint() const { return savedShowHint_; }

 private:
  friend class TCloudHintWindow;

  QPointer<QWidget> owner_;
  TColor hintColor_;
  bool hintSmoke_;
  int32_t hintPauseTime_;
  int32_t hintHidePause_;
  TAlignment alignment_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TBitmap tiledImage_;
  TBitmap icon_;
  int32_t maxClub_;
  bool useOwnFont_ = false;
  bool savedShowHint_ = false;
  QPoint cursorPos_;
};

// The application's hint window while a TCloudHint is on the main window: the hint text
// wrapped in a cloud of random bumps, with a trail of smoke bubbles from the cursor, placed at
// the cursor on the side where it fits. The outline is drawn anew at every activation.
class TCloudHintWindow : public THintWindow {
  Q_OBJECT

 public:
  // The band between the cursor and the cloud that holds the smoke.
  static constexpr int32_t SmokeBand = 40;

  struct TClub {
    QPoint Centre;  // in the frame where the text block starts at (0, 0)
    int32_t Radius;
    bool operator==(const TClub&) const = default;
  };

  TCloudHintWindow();

  // The first TCloudHint among the main window's children, or null.
  static TCloudHint* LocateCloudHint();

  // The rectangle is ignored: the cloud places itself at the cursor.
  void ActivateHint(const TRect& rect, const QString& text) override;
  // The block the lines of `text` make in the window's font: the widest line by their heights.
  QSize MeasureLines(const QString& text) const;
  // Draws the lines of `text` on `canvas` as a `block`-sized block centred in `r`, each line
  // aligned within the block.
  void DrawLines(TCanvas& canvas, const QString& text, const TRect& r, QSize block,
                 TAlignment alignment) const;
  // The colour, brush, tiles, icon and text; nothing without a component.
  bool Paint(TCanvas& canvas) override;

  // The point `s` pixels along the outline of a `tw` x `th` block, clockwise from its top-left
  // corner: where the clubs are centred.
  static QPoint OutlinePoint(int32_t s, int32_t tw, int32_t th);

  // Where the platform's answers come from; tests put the cursor where they need it.
  virtual QPoint CursorPosition() const;
  // The screen the cloud must stay on, in the cursor's coordinates: the one holding the cursor,
  // or on Wayland, where windows are placed relative to their parent, the main window's.
  virtual QRect ScreenArea(const QPoint& cursor) const;

  QPointer<TCloudHint> CloudHint;  // cleared by itself if the component goes away
  TRect BodyRect;
  bool ExtendsRight = false;
  bool ExtendsDown = false;
  int32_t TextBlockWidth = 0;
  int32_t TextBlockHeight = 0;

  // What the last activation built, kept for inspection.
  const std::vector<TClub>& Clubs() const { return clubs_; }
  const std::vector<TRect>& SmokeEllipses() const { return smoke_; }  // window frame
  int32_t WrapWidth() const { return wrapWidth_; }
  int32_t WrapHeight() const { return wrapHeight_; }
  // The cloud's bounds in the text block's frame, including the band and the right margin.
  const TRect& Bounds() const { return bounds_; }
  // The window's rectangle on the screen as placed.
  const TRect& Placement() const { return placement_; }

 private:
  // The steps of an activation, in their order.
  // Calls visit(line, extent, top) for each line of `text` in the window's font.
  template <class Visit>
  void ForEachLine(const QString& text, Visit visit) const;
  bool LocateAndNotify();
  TFont TextFont() const;
  void Measure();
  void BlockToWrap();
  QRegion BuildClubs();
  void Place();
  void AddSmoke(QRegion& cloud);

  std::vector<TClub> clubs_;
  std::vector<TRect> smoke_;
  int32_t wrapWidth_ = 0;
  int32_t wrapHeight_ = 0;
  TRect bounds_;
  TRect placement_;
};
