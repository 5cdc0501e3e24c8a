#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "toolkit/Avi.h"
#include "toolkit/Timer.h"

// The AVI animation control: plays the frames of an AVI resource at the file's rate, drawn in its
// own box and clipped to it.
class TAnimate : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString ResName READ ResName WRITE SetResName)
  Q_PROPERTY(bool Active READ Active WRITE SetActive)
  Q_PROPERTY(bool Center READ Center WRITE SetCenter)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(int StopFrame READ StopFrame WRITE SetStopFrame)
  Q_PROPERTY(int Repetitions READ Repetitions WRITE SetRepetitions)

 public:
  explicit TAnimate(QWidget* parent = nullptr);

  // Loads the AVI resource (its twice-size twin at PictureRatio() 2) and shows its first frame;
  // throws EToolkitError when the resource is missing or malformed, keeping the animation it had.
  void SetResName(const QString& name);
  // The movie SetResName loads.
  static TAviMovie ReadMovie(const QString& name);
  const QString& ResName() const { return resName_; }

  // Throws EToolkitError when there is nothing to play.
  void SetActive(bool active);
  bool Active() const { return timer_.Active(); }

  int FrameCount() const { return int(movie_.Frames.size()); }
  // 0-based.
  int CurrentFrame() const { return current_; }
  // One tick of the frame timer: the next frame, back to the first after the stop frame.
  void NextFrame();

  void SetCenter(bool center);
  bool Center() const { return center_; }
  // Pixels of the frame's top-left colour are left out, so the parent shows through.
  void SetTransparent(bool transparent);
  bool Transparent() const { return transparent_; }
  // 1-based last frame of the loop; 0 or beyond the file means its last frame.
  void SetStopFrame(int frame) { stopFrame_ = frame; }
  int StopFrame() const { return stopFrame_; }
  // Loops to play before stopping on the stop frame; 0 plays without end.
  void SetRepetitions(int repetitions) { repetitions_ = repetitions; }
  int Repetitions() const { return repetitions_; }

  // The frame timer's period in milliseconds, from the file's frame rate.
  int Interval() const;
  // Where the frame's top-left lands in the box.
  QPoint FrameOrigin() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int LastFrame() const;
  const QImage& FrameToDraw(int index);

  TTimer timer_;
  TAviMovie movie_;
  // The frame being drawn, keyed; see FrameToDraw.
  QImage keyed_;
  QString resName_;
  int current_ = 0;
  int loopsDone_ = 0;
  bool center_ = false;
  bool transparent_ = false;
  int stopFrame_ = 0;
  int repetitions_ = 0;
};
