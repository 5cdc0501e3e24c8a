#pragma once

#include <QDialog>

#include "ui_USplash.h"

// The title picture shown before the game; a click on it closes it, and so do Return, Space and
// Escape. Its picture Image1 is the form description's own member.
class TSplash : public QDialog, public Ui::TSplash {
  Q_OBJECT

 public:
  explicit TSplash(QWidget* parent = nullptr);

  void Image1Click();
  // Once closed it is not shown again: its system window goes, with the memory it shares with
  // the display server.
  void ReleaseWindow() { destroy(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

extern TSplash* Splash;
