#include "app/USplash.h"

#include <QKeyEvent>

#include "toolkit/Forms.h"
#include "toolkit/Image.h"
#include "ui_USplash.h"

TSplash* Splash = nullptr;

TSplash::TSplash(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TSplash>()) {
  ui_->setupUi(this);
  Image1 = ui_->Image1;
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(344, 249);
  SetFormFont(*this, QStringLiteral("MS Sans Serif"), 11);
  Image1->OnClick = [this] { Image1Click(); };
  CenterOnScreen(*this);
}

TSplash::~TSplash() = default;

void TSplash::Image1Click() {
  close();
}

void TSplash::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      Image1Click();
      break;
    default:
      QDialog::keyPressEvent(event);  // Escape closes the dialog
  }
}
