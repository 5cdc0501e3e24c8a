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

// Each case opens the device afresh with its own SDL driver.
class SoundFaults : public GameTest {
 protected:
  void TearDown() override {
    GameTest::TearDown();
    qputenv("SDL_AUDIODRIVER", "dummy");
    qunsetenv("SDL_DISKAUDIOFILE");
  }
};

TEST_F(SoundFaults, NoDeviceOrADamagedWaveIsSilenceAtOnce) {
  struct Case {
    const char* driver;
    const char* wave;
  };
  for (const Case& c : {Case{"no-such-driver", "Feu"}, Case{"dummy", "HugeData"},
                        Case{"dummy", "TruncatedFeu"}, Case{"dummy", "NoSuchWave"}}) {
    qputenv("SDL_AUDIODRIVER", c.driver);
    TSdlSoundPlayer player;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(player.Play(c.wave, SND_RESOURCE)) << c.driver << " " << c.wave;
    EXPECT_FALSE(player.Play(c.wave, SND_RESOURCE | SND_ASYNC)) << c.driver << " " << c.wave;
    EXPECT_LT(clock.elapsed(), 1000) << c.driver << " " << c.wave;
  }
}

TEST_F(SoundFaults, ADeviceThatFailsWhilePlayingNeitherHoldsNorStopsTheGame) {
  // The disk driver writing to a full disk: the device gives up on its first write.
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", "/dev/full");
  TSdlSoundPlayer player;
  SetSoundPlayer(&player);
  main->show();
  QElapsedTimer clock;
  clock.start();
  main->GoClick();  // waits for the start signal, which can no longer end on its own
  // The signal lasts 2.3 s; the wait gives up one second after that at most.
  EXPECT_LT(clock.elapsed(), 4500);
  FinishRace();
  EXPECT_TRUE(main->Go->isEnabled());
  EXPECT_EQ(ArrivalOrder.size(), HorseCount);
  SetSoundPlayer(&sounds);
}

}  // namespace
