#include "game/UGaloppo.h"

TMain* Main = nullptr;

TMain::TMain(QWidget* parent) : TSurfaceWindow(parent) {
  resize(800, 600);
}
