#pragma once

#include <QAbstractButton>
#include <functional>

// A flat hotspot with no picture or caption: a raised frame while the mouse is over it, a sunken
// one while it is held down, nothing while disabled. Given a focus policy, it takes the keyboard:
// Space and Return click it, and a dotted mark shows its focus while the keyboard is in use.
class TSpeedButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TSpeedButton(QWidget* parent = nullptr);

  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
