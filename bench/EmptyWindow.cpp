// The floor for start-up and memory: an empty 800x600 Qt window, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Empty"));
  window.resize(800, 600);
  window.show();
  return qt.exec();
}
