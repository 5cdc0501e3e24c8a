#include "toolkit/Animate.h"

#include <QPainter>
#include <algorithm>

#include "toolkit/Density.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/Resources.h"
#include "toolkit/SurfaceWindow.h"

TAnimate::TAnimate(QWidget* parent) : QWidget(parent) {
  // Never fill the box: outside the frame, and through transparent pixels, the parent shows.
  setAutoFillBackground(false);
  // On a surface window the box copies what the window shows beneath it, so that a new frame
  // does not make the window repaint that area 25 times a second.
  setAttribute(Qt::WA_OpaquePaintEvent, qobject_cast<TSurfaceWindow*>(parent) != nullptr);
  timer_.OnTimer = [this] { NextFrame(); };
}

TAviMovie TAnimate::ReadMovie(const QString& name) {
  return ReadDensePicture(name, [](const TDenseResource& dense) {
    return Resources::Decode(dense.Name, QStringLiteral("Animation"), ReadAvi);
  });
}

void TAnimate::SetResName(const QString& name) {
  movie_ = ReadMovie(name);
  resName_ = name;
  current_ = 0;
  loopsDone_ = 0;
  if (timer_.Active()) timer_.SetInterval(Interval());
  update();
}

void TAnimate::SetActive(bool active) {
  if (!active) {
    timer_.SetInterval(0);
    return;
  }
  if (movie_.Frames.empty()) throw EToolkitError("Aucune animation à jouer");
  if (timer_.Active()) return;
  loopsDone_ = 0;
  timer_.SetInterval(Interval());
}

void TAnimate::NextFrame() {
  if (movie_.Frames.empty()) return;
  if (current_ < LastFrame()) {
    ++current_;
  } else {
    ++loopsDone_;
    if (repetitions_ > 0 && loopsDone_ >= repetitions_) {
      timer_.SetInterval(0);
      return;
    }
    current_ = 0;
  }
  update();
}

void TAnimate::SetCenter(bool center) {
  center_ = center;
  update();
}

void TAnimate::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

QPoint TAnimate::FrameOrigin() const {
  if (!center_) return {0, 0};
  // Integer division truncates toward zero, also when the frame is larger than the box.
  return {(width() - movie_.Width) / 2, (height() - movie_.Height) / 2};
}

void TAnimate::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (const auto* window = qobject_cast<const TSurfaceWindow*>(parentWidget())) {
    window->DrawSurface(painter, rect(), geometry());
  }
  if (movie_.Frames.empty()) return;
  painter.setClipRect(rect());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(FrameOrigin(), FrameToDraw(current_));
}

int TAnimate::LastFrame() const {
  const int count = FrameCount();
  return (stopFrame_ >= 1 && stopFrame_ <= count ? stopFrame_ : count) - 1;
}

int TAnimate::Interval() const {
  const int64_t ms = (movie_.MicroSecPerFrame + 500) / 1000;
  return int(std::clamp<int64_t>(ms, 1, 60000));
}

const QImage& TAnimate::FrameToDraw(int index) {
  const QImage& frame = movie_.Frames[size_t(index)];
  if (!transparent_) return frame;
  // One frame's keyed pixels, made anew at each paint, rather than a keyed copy of every frame
  // kept beside the frames.
  if (keyed_.size() != frame.size()) keyed_ = QImage(frame.size(), QImage::Format_ARGB32);
  keyed_.setDevicePixelRatio(frame.devicePixelRatio());
  const QRgb key = frame.pixel(0, 0);
  for (int y = 0; y < frame.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
    auto* into = reinterpret_cast<QRgb*>(keyed_.scanLine(y));
    for (int x = 0; x < frame.width(); ++x) into[x] = from[x] == key ? 0 : from[x];
  }
  return keyed_;
}
