#include "toolkit/Sound.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <map>
#include <thread>

#include "toolkit/Resources.h"
#include "toolkit/SoundFormat.h"
#include "toolkit/TerminationSignal.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

constexpr size_t BytesPerSecond = SoundRate * SoundFrameBytes;
constexpr Uint32 PollMs = 5;
// A device that stops taking audio must not hold the game beyond the wave's length plus this.
constexpr milliseconds WaitMargin{1000};
// After a failed open, the next try waits this long, twice as long after each further failure.
constexpr milliseconds FirstRetry{1000};
constexpr milliseconds LongestRetry{64000};
// How long the end of the program waits for the device to close.
constexpr milliseconds CloseWait{300};

// ALSA and some SDL back-ends write to stderr when there is no sound card; the program reports
// nothing of its own, so they are silenced while the device is opened.
class TQuietStderr {
 public:
  TQuietStderr() {
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~TQuietStderr() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  TQuietStderr(const TQuietStderr&) = delete;
  TQuietStderr& operator=(const TQuietStderr&) = delete;

 private:
  int saved_ = -1;
};

TSoundPlayer* currentPlayer = nullptr;

// The wave the device plays, read by SDL's audio thread straight from the buffer the player
// keeps; changed only under the device's lock.
struct TPlaying {
  const uint8_t* Samples = nullptr;
  size_t Bytes = 0;
  size_t Next = 0;

  size_t Left() const { return Bytes - Next; }
};

// SDL's audio thread asks for the next bytes; after the wave, silence.
void Feed(void* playing, Uint8* stream, int length) {
  auto& wave = *static_cast<TPlaying*>(playing);
  const size_t wanted = size_t(length);
  const size_t taken = std::min(wanted, wave.Left());
  if (taken > 0) std::memcpy(stream, wave.Samples + wave.Next, taken);
  wave.Next += taken;
  std::memset(stream + taken, 0, wanted - taken);
}

TSoundPlayer& DefaultPlayer() {
  static TSdlSoundPlayer player;
  return player;
}

}  // namespace

struct TSdlSoundPlayer::TState {
  SDL_AudioDeviceID Device = 0;
  // Owned here while the device is open; the device's thread reads it until the device closes.
  std::unique_ptr<TPlaying> Playing;
  steady_clock::time_point NextTry;
  milliseconds RetryDelay = FirstRetry;
  // By lower-case name; an empty wave is one that could not be read, not tried again. The device
  // plays these very bytes: a wave is never changed once kept.
  std::map<QString, std::vector<uint8_t>> Waves;

  const std::vector<uint8_t>& Wave(const QString& name) {
    const QString key = name.toLower();
    if (const auto found = Waves.find(key); found != Waves.end()) return found->second;
    return Waves[key] = DecodeWave(Resources::TReading(name).Bytes());
  }

  // A device whose server went away would go on taking audio at real speed while nothing is
  // heard. SDL 2 reports it as stopped; SDL 2's interface over SDL 3 (Debian after 13) says it
  // still plays, and tells of the loss by an event that names no device. This is the only output
  // the program opens, so the loss of any is taken as its own: at worst it is opened again.
  bool Lost() const {
    if (SDL_GetAudioDeviceStatus(Device) == SDL_AUDIO_STOPPED) return true;
    SDL_PumpEvents();
    SDL_FlushEvent(SDL_AUDIODEVICEADDED);
    SDL_Event removed;
    bool lost = false;
    while (SDL_PeepEvents(&removed, 1, SDL_GETEVENT, SDL_AUDIODEVICEREMOVED,
                          SDL_AUDIODEVICEREMOVED) > 0) {
      lost = lost || removed.adevice.iscapture == 0;
    }
    return lost;
  }

  bool Open() {
    if (Device != 0 && Lost()) Close();
    if (Device != 0) return true;
    const auto now = steady_clock::now();
    if (now < NextTry) return false;
    if (OpenDevice()) {
      RetryDelay = FirstRetry;
      return true;
    }
    NextTry = now + RetryDelay;
    RetryDelay = std::min(RetryDelay * 2, LongestRetry);
    return false;
  }

  bool OpenDevice() {
    // SDL would otherwise take over Ctrl+C and turn it into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    TQuietStderr quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    auto playing = std::make_unique<TPlaying>();
    SDL_AudioSpec wanted = {};
    wanted.freq = SoundRate;
    wanted.format = SoundFormat;
    wanted.channels = SoundChannels;
    wanted.samples = 1024;
    wanted.callback = Feed;
    wanted.userdata = playing.get();
    Device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (Device == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Playing = std::move(playing);
    SDL_PauseAudioDevice(Device, 0);
    return true;
  }

  // For a lost device only: its thread no longer waits on the server, so closing is quick. The
  // back-ends go too, so that the next open finds the server that came back.
  void Close() {
    SDL_CloseAudioDevice(Device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    Device = 0;
    Playing.reset();
  }

  // What the device plays from now on: `wave`, or silence.
  void Start(const std::vector<uint8_t>* wave) {
    SDL_LockAudioDevice(Device);
    *Playing = wave ? TPlaying{wave->data(), wave->size(), 0} : TPlaying{};
    SDL_UnlockAudioDevice(Device);
  }

  size_t Left() {
    SDL_LockAudioDevice(Device);
    const size_t left = Playing->Left();
    SDL_UnlockAudioDevice(Device);
    return left;
  }

  // Ends with the wave, at once when the device is lost or the process is asked to end, and
  // one margin after the wave should have ended when the device stopped taking audio.
  bool WaitForEnd(size_t bytes) {
    const auto deadline =
        steady_clock::now() + milliseconds(bytes * 1000 / BytesPerSecond) + WaitMargin;
    while (Left() > 0) {
      if (Lost()) {
        Close();
        return false;
      }
      if (TerminationRequested()) return false;
      if (steady_clock::now() > deadline) {
        Start(nullptr);
        return false;
      }
      SDL_Delay(PollMs);
    }
    return true;
  }
};

TSdlSoundPlayer::TSdlSoundPlayer() : state_(std::make_unique<TState>()) {}

TSdlSoundPlayer::~TSdlSoundPlayer() {
  if (state_->Device == 0) return;
  // The kept waves go with the player, so the device plays nothing more of them.
  state_->Start(nullptr);
  // Closing joins SDL's audio thread, which may be stuck on a sound server that hangs. It gets a
  // moment on a thread of its own, which keeps what that thread reads; past that, the end of the
  // process drops the connection.
  std::promise<void> closed;
  const std::future<void> done = closed.get_future();
  std::thread([device = state_->Device, playing = std::move(state_->Playing),
               closed = std::move(closed)]() mutable {
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    playing.reset();
    closed.set_value();
  }).detach();
  done.wait_for(CloseWait);
}

bool TSdlSoundPlayer::Play(const QString& name, uint32_t flags) {
  TState& state = *state_;
  if (name.isEmpty()) {
    if (state.Device != 0) state.Start(nullptr);
    return true;
  }
  // A missing wave is known without opening the device; without a device nothing is decoded.
  if (!Resources::Exists(name) || !state.Open()) return false;
  const std::vector<uint8_t>& wave = state.Wave(name);
  if (wave.empty()) return false;
  state.Start(&wave);
  return (flags & SND_ASYNC) || state.WaitForEnd(wave.size());
}

bool PlaySound(const QString& name, uint32_t flags) {
  // A sound that cannot be played is simply not heard; the caller never looks at why.
  try {
    return (currentPlayer ? *currentPlayer : DefaultPlayer()).Play(name, flags);
  } catch (...) {
    return false;
  }
}

void NameSoundStream(const QString& application, const QString& iconName, const QString& stream) {
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, application.toUtf8().constData());
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, stream.toUtf8().constData());
  // Only SDL's PipeWire back-end reads the role, in PipeWire's spelling. SDL 2 has no hint for
  // the icon; PulseAudio's client library reads both from the environment, in its own spelling.
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "Game");
  setenv("PULSE_PROP_media.role", "game", 0);
  setenv("PULSE_PROP_application.icon_name", iconName.toUtf8().constData(), 0);
}

void SetSoundPlayer(TSoundPlayer* player) {
  currentPlayer = player;
}
