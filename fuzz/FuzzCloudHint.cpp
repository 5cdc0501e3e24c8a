// The cloud hint on any text and any settings: the line layout (measured and drawn into any
// rectangle) and a whole activation, with the cursor anywhere on or off a screen of any width.
#include <QApplication>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "cldhint/CldHint.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Random.h"

namespace {

// Reads the settings from the front of the input; missing bytes read as zero.
class TReader {
 public:
  TReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int32_t Int32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
    return int32_t(value);
  }
  // Within +-range, which covers every desktop of several screens and far beyond.
  int32_t Within(int32_t range) { return Int32() % (range + 1); }
  QString Rest() const {
    if (at_ >= size_) return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(data_ + at_), qsizetype(size_ - at_));
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

class TFuzzedWindow : public TCloudHintWindow {
 public:
  QPoint CursorPosition() const override { return Cursor; }
  QRect ScreenArea(const QPoint&) const override { return Screen; }
  QPoint Cursor;
  QRect Screen{0, 0, 800, 600};
};

struct TWorld {
  TWorld() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform warns at every shaped window; the fuzzer's output must stay readable.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    qt = std::make_unique<QApplication>(argc, argv);
    application = std::make_unique<TApplication>(argc, argv);
    application->Initialize();
    application->CreateForm(owner);
    hint = new TCloudHint(owner);
    window = std::make_unique<TFuzzedWindow>();
  }
  int argc = 1;
  char name[6] = "fuzz";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> qt;
  std::unique_ptr<TApplication> application;
  QWidget* owner = nullptr;
  TCloudHint* hint = nullptr;
  std::unique_ptr<TFuzzedWindow> window;
};

TBitmap Picture(int width, int height) {
  return width > 0 && height > 0 ? TBitmap(width, height) : TBitmap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TWorld world;
  TCloudHint& hint = *world.hint;
  TFuzzedWindow& window = *world.window;
  TReader in(data, size);
  const uint8_t flags = in.Byte();
  hint.SetMaxClub(in.Int32());
  hint.SetAlignment(TAlignment(in.Int32()));
  hint.SetHintSmoke(flags & 1);
  const int iconWidth = in.Byte() % 80;
  const int iconHeight = in.Byte() % 80;
  hint.SetIcon(Picture(iconWidth, iconHeight));
  hint.SetTiledImage(Picture(in.Byte() % 40, in.Byte() % 40));
  if (flags & 2) {
    hint.SetOwnerFont(true);
  } else {
    TFont font;
    font.SetHeight(-(1 + in.Byte() % 48));
    hint.SetFont(&font);
  }
  window.Cursor = QPoint(in.Within(100000), in.Within(100000));
  window.Screen =
      in.Byte() & 1 ? QRect(in.Within(10000), 0, in.Within(10000), 600) : QRect(0, 0, 800, 600);
  RandSeed = uint32_t(in.Int32());
  const TRect box{in.Within(2000), in.Within(2000), in.Within(2000), in.Within(2000)};
  const QString text = in.Rest();

  QImage image(64, 64, QImage::Format_RGB32);
  TCanvas canvas(image);
  window.DrawLines(canvas, text, box, window.MeasureLines(text), hint.Alignment());

  window.ActivateHint(TRect(), text);
  if (window.Clubs().empty() && window.WrapHeight() / 2 > 0) __builtin_trap();
  // The cloud as the window paints it, at its real size when that is a sane one.
  const QSize area = window.size();
  if (area.width() > 0 && area.height() > 0 && area.width() * qint64(area.height()) < (1 << 22)) {
    QImage cloud(area, QImage::Format_RGB32);
    TCanvas cloudCanvas(cloud);
    window.Paint(cloudCanvas);
  }
  window.hide();
  return 0;
}
