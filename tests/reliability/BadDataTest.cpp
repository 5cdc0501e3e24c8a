// Damaged assets: every embedded asset truncated, corrupted or missing is refused with the
// toolkit's error naming it, never a crash or a hang; and sound that cannot be played, for any
// reason, is silence while the game goes on.

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#include "tests/game/GameFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "toolkit/Animate.h"
#include "toolkit/Avi.h"
#include "toolkit/Bitmap.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/Image.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"
#include "toolkit/Sound.h"
#include "toolkit/Translation.h"

namespace {

// Truncations at every scale and random damage: bytes overwritten, zeroed runs, 0xFF runs.
std::vector<QByteArray> Damaged(const QByteArray& original, int count, uint32_t seed) {
  std::vector<QByteArray> copies;
  for (qsizetype length : {qsizetype(0), qsizetype(1), qsizetype(8), qsizetype(12), qsizetype(64),
                           original.size() / 4, original.size() / 2, original.size() - 1}) {
    copies.push_back(original.left(length));
  }
  std::mt19937 dice(seed);
  std::uniform_int_distribution<qsizetype> place(0, original.size() - 1);
  for (int i = 0; i < count; ++i) {
    QByteArray copy = original;
    const int damages = 1 + int(dice() % 4);
    for (int d = 0; d < damages; ++d) {
      const qsizetype at = place(dice);
      switch (dice() % 3) {
        case 0:
          copy[at] = char(dice());
          break;
        case 1:
          copy.replace(at, std::min<qsizetype>(16, copy.size() - at), QByteArray(16, '\0'));
          break;
        default:
          copy.replace(at, std::min<qsizetype>(4, copy.size() - at), QByteArray(4, '\xff'));
          break;
      }
    }
    copies.push_back(copy.left(original.size()));
  }
  return copies;
}

// Each damaged copy is either read or refused with the toolkit's error; counts both.
void ExpectReadOrRefused(const char* asset, const std::vector<QByteArray>& copies,
                         const std::function<void(const QByteArray&)>& load, int& refused) {
  for (size_t i = 0; i < copies.size(); ++i) {
    try {
      load(copies[i]);
    } catch (const EToolkitError&) {
      ++refused;
    } catch (const std::exception& error) {
      ADD_FAILURE() << asset << " copy " << i << ": not the toolkit's error: " << error.what();
    }
  }
}

TEST(BadData, DamagedCopiesOfEveryAssetAreReadOrRefusedWithTheToolkitsError) {
  int injected = 0;
  int refused = 0;
  for (const char* name : {"Track", "Panel", "Splash"}) {
    const auto copies = Damaged(Resources::Load(name), 150, 1);
    injected += int(copies.size());
    const auto decode = [](const QByteArray& bytes) { DecodeJpeg(bytes); };
    ExpectReadOrRefused(name, copies, decode, refused);
  }
  const auto avi = Damaged(Resources::Load("Man"), 300, 2);
  injected += int(avi.size());
  const auto read = [](const QByteArray& bytes) { ReadAvi(bytes); };
  ExpectReadOrRefused("Man", avi, read, refused);
  for (const char* name : {"Chevaux", "Joueurs"}) {
    const auto copies = Damaged(Resources::Load(name), 100, 3);
    injected += int(copies.size());
    ExpectReadOrRefused(
        name, copies, [name](const QByteArray& bytes) { TBitmap::FromBmp(bytes, name); }, refused);
  }
  std::printf("%d damaged copies of the pictures and the animation, %d refused\n", injected,
              refused);
  EXPECT_GT(refused, injected / 4);
}

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

// A picture of the player's language that is damaged or missing gives way to the French one, with
// one line on the terminal naming it: a translation never leaves a blank panel.
TEST(BadData, APictureOfTheLanguageThatCannotBeReadGivesWayToTheFrenchOne) {
  qputenv("LANGUAGE", "en");
  ASSERT_EQ(Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr")), "en");
  const QImage french = DecodeJpeg(Resources::Load(QStringLiteral("Worded"))).Image();
  for (const std::string name : {"Worded", "Wordless"}) {
    testing::internal::CaptureStderr();
    TImage image;
    image.SetPictureName(QString::fromStdString(name));
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(image.Picture.Image(), french) << name;
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_NE(told.find("en/" + name), std::string::npos) << told;
  }
  qunsetenv("LANGUAGE");
  Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr"));
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
  for (const Case& c :
       {Case{"no-such-driver", "Feu"}, Case{"dummy", "HugeData"}, Case{"dummy", "RiffSizeZero"},
        Case{"dummy", "TruncatedFeu"}, Case{"dummy", "AbsurdRate"}, Case{"dummy", "NoSuchWave"}}) {
    qputenv("SDL_AUDIODRIVER", c.driver);
    TSdlSoundPlayer player;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(player.Play(c.wave, SND_RESOURCE)) << c.driver << " " << c.wave;
    EXPECT_FALSE(player.Play(c.wave, SND_RESOURCE | SND_ASYNC)) << c.driver << " " << c.wave;
    EXPECT_LT(clock.elapsed(), 1000) << c.driver << " " << c.wave;
  }
}

TEST_F(SoundFaults, ADeviceThatFailsOrHangsNeitherHoldsNorStopsTheGame) {
  struct Case {
    const char* fault;
    const char* delayMs;  // per buffer; none for the full disk
    qint64 startLimitMs;
  };
  // The start signal lasts 2.3 s. A lost device ends the wait at once; a device that stops
  // taking audio, one second after the wave should have ended.
  QTemporaryDir dir;
  for (const Case& c : {Case{"lost (full disk)", nullptr, 1500}, Case{"hung", "600000", 4500}}) {
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dir.filePath(c.fault).toLocal8Bit());
    if (c.delayMs) qputenv("SDL_DISKAUDIODELAY", c.delayMs);
    std::optional<TFileSizeLimit> fullDisk;
    if (!c.delayMs) fullDisk.emplace(4096);
    auto player = std::make_unique<TSdlSoundPlayer>();
    SetSoundPlayer(player.get());
    main->show();
    QElapsedTimer clock;
    clock.start();
    main->GoClick();
    EXPECT_LT(clock.elapsed(), c.startLimitMs) << c.fault;
    FinishRace();
    EXPECT_TRUE(main->Go->isEnabled()) << c.fault;
    EXPECT_EQ(main->Game.ArrivalOrder().size(), HorseCount) << c.fault;
    SetSoundPlayer(&sounds);
    // Closing a device whose audio thread is stuck must not hold the end of the program.
    clock.restart();
    player.reset();
    EXPECT_LT(clock.elapsed(), 1000) << c.fault;
    qunsetenv("SDL_DISKAUDIODELAY");
  }
}

}  // namespace
