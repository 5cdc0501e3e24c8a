// The floor for start-up and for the splash click: an empty 800x600 Qt window, nothing else. A
// click on it (at the button's release, as the splash takes it) closes it and opens a second
// empty window, as the splash gives way to the game's window.
#include <QApplication>
#include <QWidget>

namespace {

class TFirst : public QWidget {
 protected:
  void mouseReleaseEvent(QMouseEvent*) override {
    close();
    auto* second = new QWidget;
    second->setAttribute(Qt::WA_DeleteOnClose);
    second->setWindowTitle(QStringLiteral("Second"));
    second->resize(800, 600);
    second->show();
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  TFirst window;
  window.setWindowTitle(QStringLiteral("Empty"));
  window.resize(800, 600);
  window.show();
  return qt.exec();
}
