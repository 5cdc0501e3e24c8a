// The floor for memory: what any program on the game's libraries and with the game's kinds of
// widgets pays before it holds a picture or a sound of its own. It links what tierce links (Qt
// Widgets, SDL2, libjpeg), opens the SDL audio device as the game does for its first sound, and
// shows an 800x600 frameless window in which a 29x30 box is drawn anew 25 times a second, as the
// gentleman's is, with three drop-downs of nine pictured items, a 4x2 grid, labels in the game's
// fonts and a four-item popup menu, built and not opened.
#include <SDL.h>

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <cstdio>
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace {

class TBox : public QWidget {
 public:
  using QWidget::QWidget;
  int Frame = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), QColor::fromHsv(Frame * 7 % 360, 200, 200));
  }
};

// The device the game opens: 22050 Hz, 16-bit mono, fed silence.
SDL_AudioDeviceID OpenAudio() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec wanted = {};
  wanted.freq = 22050;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  wanted.callback = [](void*, Uint8* stream, int length) { SDL_memset(stream, 0, size_t(length)); };
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device != 0) SDL_PauseAudioDevice(device, 0);
  return device;
}

// The game's kinds of widgets, each with as many items as the game's, their pictures plain.
void AddTheGamesWidgets(QWidget& window) {
  QPixmap picture(73, 56);
  picture.fill(QColor(8, 72, 8));
  for (int i = 0; i < 3; ++i) {
    auto* choice = new QComboBox(&window);
    choice->setGeometry(20 + 105 * i, 20, 100, 60);
    choice->setIconSize(picture.size());
    for (int horse = 1; horse <= 9; ++horse) choice->addItem(picture, QString::number(horse));
    // Its list made at once, as the game's owner-drawn drop-downs make theirs.
    choice->setItemDelegate(new QStyledItemDelegate(choice));
  }
  auto* grid = new QTableWidget(2, 4, &window);
  grid->setGeometry(20, 100, 300, 130);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 4; ++column) {
      grid->setItem(row, column, new QTableWidgetItem(QString::number(row * 4 + column)));
    }
  }
  QFont bold(QStringLiteral("Arial"));
  bold.setPixelSize(13);
  bold.setBold(true);
  QFont plain(QStringLiteral("Arial"));
  plain.setPixelSize(11);
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(QStringLiteral("123"), &window);
    label->setGeometry(123 + 514 * (i % 2), 19 + 20 * (i / 2), 40, 19);
    label->setFont(i < 2 ? bold : plain);
  }
  auto* menu = new QMenu(&window);
  for (const char* item : {"Recommencer", "Modifier les chevaux", "Jouer sons", "Quitter le jeu"}) {
    menu->addAction(QString::fromUtf8(item));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // libjpeg is linked and set up as the game's decoder would, without a picture to decode.
  jpeg_error_mgr errors;
  jpeg_std_error(&errors);
  if (OpenAudio() == 0) std::fprintf(stderr, "LibraryFloor: no audio device\n");
  QWidget window;
  window.setWindowFlags(Qt::FramelessWindowHint);
  window.setWindowTitle(QStringLiteral("Floor"));
  window.setFixedSize(800, 600);
  TBox box(&window);
  box.setGeometry(749, 16, 29, 30);
  AddTheGamesWidgets(window);
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [&box] {
    ++box.Frame;
    box.update();
  });
  timer.start(40);
  window.show();
  return qt.exec();
}
