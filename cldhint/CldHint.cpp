#include "cldhint/CldHint.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/Random.h"

TCloudHint::TCloudHint(QWidget* owner) : QObject(owner), owner_(owner) {
  maxClub_ = 20;
  tiledImage_ = TBitmap();
  icon_ = TBitmap();
  hintColor_ = clAqua;
  pen_ = TPen();
  brush_ = TBrush{clAqua, TBrushStyle::Solid};
  font_ = TFont();
  font_.OnChange = [this] { SetOwnerFont(false); };
  hintPauseTime_ = 200;
  hintHidePause_ = 5000;
  hintSmoke_ = true;
  alignment_ = taLeftJustify;
  if (Application) {
    Application->SetHintPause(hintPauseTime_);
    Application->SetHintHidePause(hintHidePause_);
    savedShowHint_ = Application->ShowHint();
    Application->SetShowHint(false);
    Application->SetHintWindowClass([] { return std::make_unique<TCloudHintWindow>(); });
    Application->SetShowHint(savedShowHint_);
  }
}

// The delays and the window class stay with the application: the cloud window then finds no
// component and shows nothing.
TCloudHint::~TCloudHint() = default;

void TCloudHint::SetHintPauseTime(int32_t milliseconds) {
  if (milliseconds == hintPauseTime_) return;
  hintPauseTime_ = milliseconds;
  if (Application) Application->SetHintPause(milliseconds);
}

void TCloudHint::SetHintHidePause(int32_t milliseconds) {
  hintHidePause_ = milliseconds;
  if (Application) Application->SetHintHidePause(milliseconds);
}

void TCloudHint::SetFont(const TFont* font) {
  if (!font) {
    SetOwnerFont(true);
    return;
  }
  font_.Assign(*font);
  useOwnFont_ = true;
}

void TCloudHint::SetOwnerFont(bool ownerFont) {
  // Copying the owner's font announces a change that means "own font"; the last word is ours.
  if (ownerFont) font_.Assign(OwnerWindowFont());
  useOwnFont_ = !ownerFont;
}

TFont TCloudHint::OwnerWindowFont() const {
  if (!owner_) throw EToolkitError("Transtypage de classe incorrect");
  return TFont::FromQFont(owner_->font(), clWindowText);
}

TCloudHintWindow::TCloudHintWindow() = default;

TCloudHint* TCloudHintWindow::LocateCloudHint() {
  if (!Application || !Application->MainForm()) return nullptr;
  for (QObject* child : Application->MainForm()->children()) {
    if (auto* hint = qobject_cast<TCloudHint*>(child)) return hint;
  }
  return nullptr;
}

QPoint TCloudHintWindow::CursorPosition() const {
  return HintPoint();
}

QRect TCloudHintWindow::ScreenArea(const QPoint& cursor) const {
  const QWidget* main = Application ? Application->MainForm() : nullptr;
  const QScreen* screen = nullptr;
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    screen = main ? main->screen() : nullptr;
  } else {
    screen = QGuiApplication::screenAt(cursor);
  }
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

template <class Visit>
void TCloudHintWindow::ForEachLine(const QString& text, Visit visit) const {
  TBitmap scratch(1, 1);
  TCanvas measure(scratch);
  measure.Font.Assign(Font);
  const auto isControl = [&text](qsizetype at) { return text.at(at).unicode() < 32; };
  int32_t y = 0;
  qsizetype i = 0;
  while (i < text.size()) {
    qsizetype end = i;
    while (end < text.size() && !isControl(end)) ++end;
    const QString line = text.mid(i, end - i);
    // A run of control characters ends one line; it never makes empty ones.
    i = end;
    while (i < text.size() && isControl(i)) ++i;
    const QSize extent = measure.TextExtent(line);
    visit(line, extent, y);
    y += extent.height();
  }
}

QSize TCloudHintWindow::MeasureLines(const QString& text) const {
  QSize block(0, 0);
  ForEachLine(text, [&block](const QString&, QSize extent, int32_t top) {
    block = block.expandedTo({extent.width(), top + extent.height()});
  });
  return block;
}

void TCloudHintWindow::DrawLines(TCanvas& canvas, const QString& text, const TRect& r, QSize block,
                                 TAlignment alignment) const {
  const int32_t w = block.width();
  const int32_t left = r.Left + (r.Width() - w) / 2;
  const int32_t top = r.Top + (r.Height() - block.height()) / 2;
  ForEachLine(text, [&](const QString& line, QSize extent, int32_t y) {
    int32_t a = 0;
    if (alignment == taRightJustify) a = w - extent.width();
    if (alignment == taCenter) a = (w - extent.width()) / 2;
    canvas.TextOut(left + a, top + y, line);
  });
}

void TCloudHintWindow::ActivateHint(const TRect&, const QString& text) {
  if (!LocateAndNotify()) return;
  SetText(text);
  Font.Assign(TextFont());
  Measure();
  BlockToWrap();
  QRegion cloud = BuildClubs();
  bounds_.Bottom += SmokeBand;
  bounds_.Right += 5;
  Place();
  cloud.translate(-bounds_.Left, -bounds_.Top + (ExtendsDown ? SmokeBand : 0));
  AddSmoke(cloud);
  BodyRect = {0, 0, bounds_.Width(), bounds_.Height()};
  if (ExtendsDown) {
    BodyRect.Top = SmokeBand;
  } else {
    BodyRect.Bottom -= SmokeBand;
  }
  ShowShaped(placement_.ToQRect(), cloud, Application ? Application->MainForm() : nullptr);
}

// Finds the component, records the cursor in it and tells its handler; false when there is no
// component, before or after the handler.
bool TCloudHintWindow::LocateAndNotify() {
  CloudHint = LocateCloudHint();
  if (!CloudHint) return false;
  CloudHint->cursorPos_ = CursorPosition();
  if (CloudHint->OnHint) {
    CloudHint->OnHint(CloudHint, CloudHint->cursorPos_.x(), CloudHint->cursorPos_.y());
    if (!CloudHint) return false;  // the handler did away with the component
  }
  return true;
}

// The owner window's font as it is now, or the component's own.
TFont TCloudHintWindow::TextFont() const {
  return CloudHint->OwnerFont() ? CloudHint->OwnerWindowFont() : CloudHint->Font();
}

void TCloudHintWindow::Measure() {
  const QSize block = MeasureLines(Text());
  TextBlockWidth = block.width();
  TextBlockHeight = block.height();
}

// The text block, widened for an icon beside it and heightened to a third more than the icon.
void TCloudHintWindow::BlockToWrap() {
  wrapWidth_ = TextBlockWidth;
  wrapHeight_ = TextBlockHeight;
  const TBitmap& icon = CloudHint->Icon();
  if (icon.Empty()) return;
  wrapWidth_ += 2 * icon.Width();
  wrapHeight_ = std::max(wrapHeight_, 4 * icon.Height() / 3);
}

// The block and a ring of random circles centred on its outline; sets the bounds of both.
QRegion TCloudHintWindow::BuildClubs() {
  const int32_t tw = wrapWidth_;
  const int32_t th = wrapHeight_;
  const int32_t maxClub = CloudHint->MaxClub();
  QRegion cloud(QRect(0, 0, tw, th));
  bounds_ = {0, 0, tw, th};
  clubs_.clear();
  // Below two pixels every radius and gap would be 0 and the walk round the block would never
  // move: such a cloud is the bare block.
  if (th / 2 <= 0) return cloud;
  int32_t s = 0;
  int32_t m = 0;
  int32_t r = 0;
  do {
    r = -1;
    while (r < m) r = Random(th / 4) + th / 2;
    if (maxClub < r && maxClub > 1) r = maxClub;
    m = Random(r);
    const QPoint p = OutlinePoint(s, tw, th);
    s += r + m;
    cloud = cloud.united(QRegion(QRect(p.x() - r, p.y() - r, 2 * r, 2 * r), QRegion::Ellipse));
    bounds_ = UnionRect(bounds_, {p.x() - r, p.y() - r, p.x() + r, p.y() + r});
    clubs_.push_back({p, r});
  } while (s <= 2 * tw + 2 * th + r);
  return cloud;
}

QPoint TCloudHintWindow::OutlinePoint(int32_t s, int32_t tw, int32_t th) {
  if (s <= tw) return {s, 0};
  const int32_t u = s - tw;
  if (u <= th) return {tw, u};
  const int32_t x = tw - (u - th);
  if (x >= 0) return {x, th};
  const int32_t y = th + x;
  if (y >= 0) return {0, y};
  return {-y, 0};
}

// Puts the cursor at the corner of the window on the side where the cloud fits.
void TCloudHintWindow::Place() {
  const int32_t cw = bounds_.Width();
  const int32_t ch = bounds_.Height();
  const int32_t cx = CloudHint->cursorPos_.x();
  const int32_t cy = CloudHint->cursorPos_.y();
  // The edges of the cursor's screen; a lone screen runs from 0 to its width.
  const QRect screen = ScreenArea(CloudHint->cursorPos_);
  const int32_t sl = screen.left();
  const int32_t sr = screen.left() + screen.width();
  ExtendsRight = cx + cw - 30 < sr;
  // Measured from the top of the cursor's screen: above it may lie another monitor, or nothing.
  ExtendsDown = cy - screen.top() < ch + 10;
  int32_t left = ExtendsRight ? cx : cx - cw;
  const int32_t top = ExtendsDown ? cy : cy - ch;
  // A window too wide for both edges stays where the cursor put it.
  if (left > sl || left + cw < sr) {
    if (left < sl) {
      left = sl;
    } else if (left + cw > sr) {
      left = sr - cw;
    }
  }
  placement_ = {left, top, left + cw, top + ch};
}

// Four bubbles growing from the cursor's corner of the smoke band towards the cloud.
void TCloudHintWindow::AddSmoke(QRegion& cloud) {
  smoke_.clear();
  if (!CloudHint->HintSmoke()) return;
  const int32_t cw = bounds_.Width();
  const int32_t ch = bounds_.Height();
  TRect band{0, 0, cw, ch};
  if (ExtendsDown) {
    band.Bottom = SmokeBand;
  } else {
    band.Top = ch - SmokeBand;
  }
  if (ExtendsRight) {
    band.Right = cw / 2;
  } else {
    band.Left = cw / 2;
  }
  const int32_t bw = band.Width();
  const int32_t bh = band.Height();
  for (int32_t i = 1; i <= 4; ++i) {
    int32_t dx = (bw / 5) * i;
    int32_t dy = (bh / 5) * i;
    if (!ExtendsRight) dx = bw - dx;
    if (!ExtendsDown) dy = bh - dy;
    const QPoint centre(band.Left + dx, band.Top + dy);
    int32_t rx = (bw * i) / 32;
    int32_t ry = (bh * i) / 16;
    ry = std::min(ry, rx);
    rx = std::min(rx, 2 * ry);
    const TRect box{centre.x() - rx, centre.y() - ry, centre.x() + rx, centre.y() + ry};
    cloud = cloud.united(QRegion(box.ToQRect(), QRegion::Ellipse));
    smoke_.push_back(box);
  }
}

bool TCloudHintWindow::Paint(TCanvas& canvas) {
  if (!CloudHint) return false;
  const TCloudHint& hint = *CloudHint;
  const TRect client{0, 0, width(), height()};
  canvas.Brush = {hint.HintColor(), TBrushStyle::Solid};
  canvas.FillRect(client);
  canvas.Brush = hint.Brush();
  canvas.FillRect(client);
  const TBitmap& tile = hint.TiledImage();
  // An empty or degenerate picture would divide by zero; it is simply not tiled.
  if (!tile.Empty() && tile.Width() > 0 && tile.Height() > 0) {
    const int32_t tw = tile.Width();
    const int32_t th = tile.Height();
    for (int32_t i = 0; i <= BodyRect.Width() / tw + 1; ++i) {
      for (int32_t j = 0; j <= BodyRect.Height() / th + 1; ++j) canvas.Draw(i * tw, j * th, tile);
    }
  }
  canvas.Font.Assign(TextFont());
  int32_t d = 0;
  if (!hint.Icon().Empty()) {
    const int32_t iw = hint.Icon().Width();
    canvas.Draw((BodyRect.Width() - (3 * iw / 2 + TextBlockWidth)) / 2,
                BodyRect.Top + (BodyRect.Height() - TextBlockHeight) / 2, hint.Icon());
    d = 3 * iw / 2;
  }
  canvas.Brush.Style = TBrushStyle::Clear;
  DrawLines(canvas, Text(), {BodyRect.Left + d, BodyRect.Top, BodyRect.Right, BodyRect.Bottom},
            {TextBlockWidth, TextBlockHeight}, hint.Alignment());
  return true;
}
