// Damaged assets: every embedded asset truncated, corrupted or missing is refused with the
// toolkit's error naming it, never a crash or a hang; and sound that cannot be played, for any
// reason, is silence while the game goes on.

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <functional>

#include "tests/game/GameFixture.h"
#include "toolkit/Animate.h"
#include "toolkit/Avi.h"
#include "toolkit/Bitmap.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/Image.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"
#include "toolkit/Sound.h"

namespace {

TEST(BadData, AHugeSizeInAPictureHeaderIsRefusedAtOnce) {
  QElapsedTimer clock;
  clock.start();
  EXPECT_THROW(DecodeJpeg(Resources::Load("HugeSplash")), EToolkitError);
  EXPECT_LT(clock.elapsed(), 2000);
}

TEST(BadData, EachLoaderNamesTheResourceItCouldNotLoad) {
  struct Case {
    const char* name;
    std::function<void(const QString&)> load;
  };
  const std::vector<Case> cases = {
      {"TruncatedSplash", [](const QString& name) { TImage().SetPictureName(name); }},
      {"HugeSplash", [](const QString& name) { TImage().SetPictureName(name); }},
      {"NoSuchPicture", [](const QString& name) { TImage().SetPictureName(name); }},
      {"TruncatedMan", [](const QString& name) { TAnimate().SetResName(name); }},
      {"NoSuchAnimation", [](const QString& name) { TAnimate().SetResName(name); }},
      {"TruncatedJoueurs", [](const QString& name) { TBitmap::FromResource(name); }},
      {"NoSuchBitmap", [](const QString& name) { TBitmap::FromResource(name); }},
  };
  for (const Case& c : cases) {
    try {
      c.load(c.name);
      ADD_FAILURE() << c.name << " was loaded";
    } catch (const EToolkitError& error) {
      EXPECT_TRUE(QString::fromUtf8(error.what()).contains(c.name)) << error.what();
    }
  }
}

}  // namespace
