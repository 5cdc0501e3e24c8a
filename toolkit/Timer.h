#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A periodic timer: a non-zero interval starts it, 0 stops it.
class TTimer : public QObject {
  Q_OBJECT

 public:
  explicit TTimer(QObject* parent = nullptr);

  // Throws EToolkitError "Pas assez de timers disponibles" when the system refuses the timer.
  void SetInterval(int milliseconds);
  int Interval() const { return interval_; }
  bool Active() const { return timer_.isActive(); }

  std::function<void()> OnTimer;

 private:
  QTimer timer_;
  int interval_ = 0;
};
