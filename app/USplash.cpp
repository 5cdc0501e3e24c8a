#include "app/USplash.h"

#include <QKeyEvent>

#include "toolkit/Accessibility.h"
#include "toolkit/Forms.h"
#include "toolkit/Image.h"

TSplash* Splash = nullptr;

TSplash::TSplash(QWidget* parent) : QDialog(parent) {
  setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(344, 249);
  SetFormFont(*this, QStringLiteral("MS Sans Serif"), 11);
  Image1->OnClick = [this] { Image1Click(); };
  // The window's text stays the form's; a screen reader says the game's name and how to begin.
  setAccessibleName(tr("Tiercé à deux"));
  setAccessibleDescription(tr("Entrée, Espace ou un clic pour commencer."));
  Accessibility::IntroduceToLateReaders(*this);
  CenterOnScreen(*this);
}

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
