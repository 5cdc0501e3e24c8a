#include "toolkit/WorkAhead.h"

#include <QBackingStore>
#include <QEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <iterator>
#include <utility>

namespace {

int keepers = 0;

std::vector<std::function<void()>>& Forgetters() {
  static std::vector<std::function<void()>> forgetters;
  return forgetters;
}

}  // namespace

WorkAhead::TKeep::TKeep() {
  ++keepers;
}

WorkAhead::TKeep::~TKeep() {
  --keepers;
}

bool WorkAhead::Keeping() {
  return keepers > 0;
}

void WorkAhead::DrawUnshown(QWidget& window) {
  QBackingStore* store = window.backingStore();
  if (!store) return;
  // The size showing asks for, so that the store is kept then, not made again.
  store->resize(window.size());
  store->beginPaint(QRegion(window.rect()));
  window.render(store->paintDevice());
  store->endPaint();
}

void WorkAhead::ForgetWith(std::function<void()> forget) {
  Forgetters().push_back(std::move(forget));
}

TWorkAhead::TWorkAhead(std::vector<std::function<void()>> steps)
    : steps_(std::make_move_iterator(steps.begin()), std::make_move_iterator(steps.end())) {}

TWorkAhead::~TWorkAhead() {
  for (const auto& forget : Forgetters()) forget();
}

void TWorkAhead::StartAfterFirstFrame(QWidget& window) {
  window.installEventFilter(this);
}

bool TWorkAhead::eventFilter(QObject* watched, QEvent* event) {
  // The frame is on screen once this paint and its flush are done: the first step comes after.
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    QTimer::singleShot(0, this, &TWorkAhead::RunNext);
  }
  return QObject::eventFilter(watched, event);
}

void TWorkAhead::RunOne() {
  const std::function<void()> step = std::move(steps_.front());
  steps_.pop_front();
  try {
    step();
  } catch (const std::exception&) {  // done again where it is needed, and reported there
  }
}

void TWorkAhead::RunNext() {
  if (steps_.empty()) return;
  RunOne();
  if (!steps_.empty()) QTimer::singleShot(0, this, &TWorkAhead::RunNext);
}

void TWorkAhead::Finish() {
  while (!steps_.empty()) RunOne();
}
