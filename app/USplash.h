#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TSplash;
}
class TImage;

// The title picture shown before the game; a click on it closes it, and so do Return, Space and
// Escape.
class TSplash : public QDialog {
  Q_OBJECT

 public:
  explicit TSplash(QWidget* parent = nullptr);
  ~TSplash() override;

  TImage* Image1;

  void Image1Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<Ui::TSplash> ui_;
};

extern TSplash* Splash;
