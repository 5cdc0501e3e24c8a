#include "toolkit/Sound.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <optional>
#include <stdexcept>
#include <thread>

#include "tests/support/FileSizeLimit.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "toolkit/Application.h"
#include "toolkit/Resources.h"
#include "toolkit/TerminationSignal.h"

// The test waves: HIGH holds 1.5 s of a constant high level at 22050 Hz, LOW 2.3 s of a
// constant low level at 11127 Hz (8-bit mono), CORRUPT a wave header with nothing sound behind it.

TEST(PlaySound, GoesToThePlayerThatIsSet) {
  TRecordingSoundPlayer recorder;
  SetSoundPlayer(&recorder);
  EXPECT_TRUE(PlaySound("Feu", SND_RESOURCE));
  EXPECT_TRUE(PlaySound("Bravo", SND_RESOURCE | SND_ASYNC));
  recorder.Result = false;
  EXPECT_FALSE(PlaySound("FIN", SND_RESOURCE | SND_ASYNC));
  SetSoundPlayer(nullptr);
  const std::vector<TRecordingSoundPlayer::TCall> expected = {
      {"Feu", 0x40004}, {"Bravo", 0x40005}, {"FIN", 0x40005}};
  EXPECT_EQ(recorder.Calls, expected);
  // The default player is back; a missing wave is known without opening the device.
  EXPECT_FALSE(PlaySound("NoSuchWave", SND_RESOURCE));
  EXPECT_EQ(recorder.Calls.size(), 3u);
}

TEST(PlaySound, NeverThrows) {
  struct TThrowing : TSoundPlayer {
    bool Play(const QString&, uint32_t) override { throw std::runtime_error("device lost"); }
  } throwing;
  SetSoundPlayer(&throwing);
  bool result = true;
  EXPECT_NO_THROW(result = PlaySound("Feu", SND_RESOURCE));
  SetSoundPlayer(nullptr);
  EXPECT_FALSE(result);
}

// Each test opens the device afresh on SDL's disk driver, which takes audio at real speed and
// writes it to a file (16-bit mono at 22050 Hz).
class SdlSound : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", Output().toLocal8Bit());
    player_.emplace();
  }

  QString Output() const { return dir_.filePath("audio.raw"); }

  // Closes the device, which flushes the file, and returns its samples.
  std::vector<int16_t> Written() {
    player_.reset();
    QFile file(Output());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::vector<int16_t> samples(size_t(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
  }

  static double Seconds(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return double(clock.elapsed()) / 1000;
  }

  QTemporaryDir dir_;
  std::optional<TSdlSoundPlayer> player_;
};

TEST_F(SdlSound, WaitingPlayReturnsWhenTheWaveHasEnded) {
  bool played = false;
  const double seconds = Seconds([&] { played = player_->Play("Low", SND_RESOURCE); });
  EXPECT_TRUE(played);
  EXPECT_GT(seconds, 2.0);
  EXPECT_LT(seconds, 5.0);
  const std::vector<int16_t> samples = Written();
  EXPECT_GT(samples.size(), size_t(2.0 * 22050));
  const auto low =
      std::count_if(samples.begin(), samples.end(), [](int16_t s) { return s < -8000; });
  EXPECT_GT(low, 2.0 * 22050);
}

TEST_F(SdlSound, TheDevicePlaysTheKeptWaveSampleForSampleAndNothingIsKeptBeyondIt) {
  // Resampled from 11127 Hz: 2.3 s at 22050 Hz less what SDL's resampler leaves out at the end,
  // in a buffer hardly larger than the samples.
  const std::vector<uint8_t> kept = DecodeWave(Resources::Load("Low"));
  EXPECT_NEAR(double(kept.size()) / 2 / 22050, 2.28, 0.03);
  EXPECT_LE(kept.capacity() - kept.size(), kept.size() / 20);
  std::vector<int16_t> wave(kept.size() / 2);
  std::memcpy(wave.data(), kept.data(), wave.size() * 2);
  ASSERT_TRUE(player_->Play("Low", SND_RESOURCE));
  // SDL 2's interface over SDL 3 (sdl2-compat, versions 2.x.50 and later, Debian after 13) opens
  // the disk device in SDL 3's own format, so its file cannot hold these samples as they are.
  SDL_version sdl;
  SDL_GetVersion(&sdl);
  if (sdl.patch >= 50) GTEST_SKIP() << "the disk device writes SDL 3's format";
  // Whole and in order, once, between silences: no sample lost, repeated or converted again.
  const std::vector<int16_t> samples = Written();
  const auto start = std::search(samples.begin(), samples.end(), wave.begin(), wave.end());
  ASSERT_NE(start, samples.end());
  EXPECT_TRUE(std::all_of(samples.begin(), start, [](int16_t s) { return s == 0; }));
  EXPECT_TRUE(
      std::all_of(start + ptrdiff_t(wave.size()), samples.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(SdlSound, ALostDeviceEndsTheWaitAtOnceAndTheNextSoundOpensItAgain) {
  bool played = true;
  {
    // A full disk: the device is lost at an early write, as when the sound server goes away.
    const TFileSizeLimit fullDisk(4096);
    qputenv("SDL_DISKAUDIOFILE", dir_.filePath("full.raw").toLocal8Bit());
    EXPECT_LT(Seconds([&] { played = player_->Play("Low", SND_RESOURCE); }), 1.0);
    EXPECT_FALSE(played);
  }
  // The server is back: the next sound is heard whole, and waited for.
  qputenv("SDL_DISKAUDIOFILE", Output().toLocal8Bit());
  EXPECT_GT(Seconds([&] { played = player_->Play("High", SND_RESOURCE); }), 1.4);
  EXPECT_TRUE(played);
  const std::vector<int16_t> samples = Written();
  EXPECT_GT(std::count_if(samples.begin(), samples.end(), [](int16_t s) { return s > 8000; }),
            1.4 * 22050);
}

TEST_F(SdlSound, SigtermEndsTheWaitAndIsStillHandledByTheLoop) {
  std::thread terminator([] {
    QThread::msleep(300);
    std::raise(SIGTERM);
  });
  bool played = true;
  const double seconds = Seconds([&] { played = player_->Play("Low", SND_RESOURCE); });
  terminator.join();
  EXPECT_FALSE(played);
  EXPECT_LT(seconds, 1.0);  // the wave lasts 2.3 s
  EXPECT_TRUE(TerminationRequested());
  QCoreApplication::processEvents();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(TerminationRequested());
}

TEST_F(SdlSound, BackgroundPlayReturnsAtOnceAndTheNextReplacesIt) {
  bool played = false;
  EXPECT_LT(Seconds([&] { played = player_->Play("HIGH", SND_RESOURCE | SND_ASYNC); }), 0.5);
  EXPECT_TRUE(played);
  QThread::msleep(300);
  EXPECT_LT(Seconds([&] { played = player_->Play("low", SND_RESOURCE | SND_ASYNC); }), 0.5);
  EXPECT_TRUE(played);
  QThread::msleep(400);

  const std::vector<int16_t> samples = Written();
  const auto firstLow =
      std::find_if(samples.begin(), samples.end(), [](int16_t s) { return s < -8000; });
  ASSERT_NE(firstLow, samples.end()) << "the second wave was not heard";
  const auto high = [](int16_t s) { return s > 8000; };
  EXPECT_GT(std::count_if(samples.begin(), firstLow, high), 0) << "the first wave was not heard";
  // Mixed rather than replaced, the two levels would add up to a high one.
  EXPECT_EQ(std::count_if(firstLow, samples.end(), [](int16_t s) { return s > 4000; }), 0);
}

TEST_F(SdlSound, WavesThatCannotBePlayedGiveFalse) {
  for (const char* name : {"Missing", "Corrupt", "Corrupt"}) {
    for (uint32_t flags : {SND_RESOURCE, SND_RESOURCE | SND_ASYNC}) {
      bool played = true;
      EXPECT_LT(Seconds([&] { played = player_->Play(name, flags); }), 0.5) << name;
      EXPECT_FALSE(played) << name;
    }
  }
  // The device still works for a sound wave.
  EXPECT_TRUE(player_->Play("High", SND_RESOURCE | SND_ASYNC));
  EXPECT_TRUE(player_->Play("", SND_RESOURCE));
}

TEST(SdlSoundWithoutDevice, FailsQuietlyWithoutWaitingAndTriesAgainLater) {
  qputenv("SDL_AUDIODRIVER", "no-such-driver");
  TSdlSoundPlayer player;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(player.Play("Low", SND_RESOURCE));
  EXPECT_FALSE(player.Play("Low", SND_RESOURCE | SND_ASYNC));
  EXPECT_FALSE(player.Play("Low", SND_RESOURCE));
  EXPECT_LT(clock.elapsed(), 500);
  // A device that appears is not probed for at every sound, but found a moment later.
  qputenv("SDL_AUDIODRIVER", "dummy");
  EXPECT_FALSE(player.Play("Low", SND_RESOURCE | SND_ASYNC));
  QThread::msleep(1100);
  EXPECT_TRUE(player.Play("Low", SND_RESOURCE | SND_ASYNC));
}
