#pragma once

#include "toolkit/SurfaceWindow.h"

class TMain : public TSurfaceWindow {
  Q_OBJECT

 public:
  explicit TMain(QWidget* parent = nullptr);
};

extern TMain* Main;
