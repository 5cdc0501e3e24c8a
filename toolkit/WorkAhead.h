#pragma once

#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <vector>

class QWidget;

// Work done before it is needed, while the user has nothing to wait for (a splash waiting for a
// click): the steps run one at a time from the event loop, so that input arriving between two of
// them is handled at once. A step that fails is dropped: its work is done again where it is
// needed, and its error met there.
class TWorkAhead : public QObject {
 public:
  explicit TWorkAhead(std::vector<std::function<void()>> steps);
  // Forgets the pictures kept and not taken.
  ~TWorkAhead() override;

  // The steps begin once `window` has drawn its first frame, so that they never delay it.
  void StartAfterFirstFrame(QWidget& window);
  // Runs the steps left, now.
  void Finish();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RunOne();
  void RunNext();

  std::deque<std::function<void()>> steps_;
};

namespace WorkAhead {

// While one lives, every picture read (ReadDensePicture) is also kept for its next reader, who
// takes it: the work is done once, ahead, and the picture held once.
class TKeep {
 public:
  TKeep();
  ~TKeep();
  TKeep(const TKeep&) = delete;
  TKeep& operator=(const TKeep&) = delete;
};

bool Keeping();

// Draws the unshown `window` once, whole, into its own backing store, as showing it will: the
// caches of glyphs and styles fill, and the store's memory, shared with the display server and
// touched for the first time, is paid for now. At double scale that memory was most of the
// first frame's cost.
void DrawUnshown(QWidget& window);

// Registers how the pictures of one type are forgotten; Kept calls it once for each type.
void ForgetWith(std::function<void()> forget);

// The pictures of one type kept for their next reader, by resource name.
template <class T>
std::map<QString, T>& Kept() {
  static std::map<QString, T> kept;
  static const bool registered = (ForgetWith([] { kept.clear(); }), true);
  (void)registered;
  return kept;
}

}  // namespace WorkAhead
