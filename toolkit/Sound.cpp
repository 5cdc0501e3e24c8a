#include "toolkit/Sound.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>
#include <map>
#include <thread>

#include "toolkit/Resources.h"
#include "toolkit/TerminationSignal.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// Every wave is converted once to this format; SDL converts it further to the device's.
constexpr int kFrequency = 22050;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 1;
constexpr size_t kBytesPerSecond = kFrequency * 2 * kChannels;
// The rates a wave may have.
constexpr int kLowestRate = 4000;
constexpr int kHighestRate = 192000;
constexpr Uint32 kPollMs = 5;
// A device that stops taking audio must not hold the game beyond the wave's length plus this.
constexpr milliseconds kWaitMargin{1000};
// After a failed open, the next try waits this long, twice as long after each further failure.
constexpr milliseconds kFirstRetry{1000};
constexpr milliseconds kLongestRetry{64000};
// How long the end of the program waits for the device to close.
constexpr milliseconds kCloseWait{300};

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

uint32_t Le32(const QByteArray& bytes, qsizetype at) {
  const auto byte = [&](qsizetype i) { return uint32_t(uint8_t(bytes[at + i])); };
  return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

// Every chunk lies within the bytes present (the last one may lack its pad). The walk covers all
// the bytes, not the RIFF size: the decoder reads on past a RIFF size that says too little.
bool ChunksFit(const QByteArray& bytes) {
  if (bytes.size() < 12 || Le32(bytes, 4) > uint32_t(bytes.size() - 8)) return false;
  // Only a wave reaches the decoder, whatever the resource holds.
  if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return false;
  const qsizetype end = bytes.size();
  qsizetype pos = 12;
  while (end - pos >= 8) {
    const uint32_t size = Le32(bytes, pos + 4);
    if (size > uint32_t(end - pos - 8)) return false;
    pos += 8 + qsizetype(size) + qsizetype(size & 1);
  }
  return true;
}

std::vector<uint8_t> Convert(const SDL_AudioSpec& from, const Uint8* samples, Uint32 length) {
  // SDL's resampler gets its buffer sizes wrong (negative) for rates far from ours.
  if (from.freq < kLowestRate || from.freq > kHighestRate) return {};
  SDL_AudioStream* stream =
      SDL_NewAudioStream(from.format, from.channels, from.freq, kFormat, kChannels, kFrequency);
  if (!stream) return {};
  std::vector<uint8_t> converted;
  if (SDL_AudioStreamPut(stream, samples, int(length)) == 0 && SDL_AudioStreamFlush(stream) == 0) {
    converted.resize(size_t(SDL_AudioStreamAvailable(stream)));
    const int got = SDL_AudioStreamGet(stream, converted.data(), int(converted.size()));
    converted.resize(size_t(std::max(got, 0)));
  }
  SDL_FreeAudioStream(stream);
  return converted;
}

TSoundPlayer& DefaultPlayer() {
  static TSdlSoundPlayer player;
  return player;
}

}  // namespace

struct TSdlSoundPlayer::TState {
  SDL_AudioDeviceID Device = 0;
  steady_clock::time_point NextTry;
  milliseconds RetryDelay = kFirstRetry;
  // By lower-case name; an empty wave is one that could not be read, not tried again.
  std::map<QString, std::vector<uint8_t>> Waves;

  const std::vector<uint8_t>& Wave(const QString& name) {
    const QString key = name.toLower();
    if (const auto found = Waves.find(key); found != Waves.end()) return found->second;
    return Waves[key] = DecodeWave(Resources::Load(name));
  }

  // SDL reports a device whose server went away as stopped; it would go on taking audio at
  // real speed while nothing is heard.
  bool Lost() const { return SDL_GetAudioDeviceStatus(Device) == SDL_AUDIO_STOPPED; }

  bool Open() {
    if (Device != 0 && Lost()) Close();
    if (Device != 0) return true;
    const auto now = steady_clock::now();
    if (now < NextTry) return false;
    if (OpenDevice()) {
      RetryDelay = kFirstRetry;
      return true;
    }
    NextTry = now + RetryDelay;
    RetryDelay = std::min(RetryDelay * 2, kLongestRetry);
    return false;
  }

  bool OpenDevice() {
    // SDL would otherwise take over Ctrl+C and turn it into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    TQuietStderr quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted = {};
    wanted.freq = kFrequency;
    wanted.format = kFormat;
    wanted.channels = kChannels;
    wanted.samples = 1024;
    Device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (Device == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    SDL_PauseAudioDevice(Device, 0);
    return true;
  }

  // For a lost device only: its thread no longer waits on the server, so closing is quick. The
  // back-ends go too, so that the next open finds the server that came back.
  void Close() {
    SDL_CloseAudioDevice(Device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    Device = 0;
  }

  // Ends with the wave, at once when the device is lost or the process is asked to end, and
  // one margin after the wave should have ended when the device stopped taking audio.
  bool WaitForEnd(size_t bytes) {
    const auto deadline =
        steady_clock::now() + milliseconds(bytes * 1000 / kBytesPerSecond) + kWaitMargin;
    while (SDL_GetQueuedAudioSize(Device) > 0) {
      if (Lost()) {
        Close();
        return false;
      }
      if (TerminationRequested()) return false;
      if (steady_clock::now() > deadline) {
        SDL_ClearQueuedAudio(Device);
        return false;
      }
      SDL_Delay(kPollMs);
    }
    return true;
  }
};

TSdlSoundPlayer::TSdlSoundPlayer() : state_(std::make_unique<TState>()) {}

TSdlSoundPlayer::~TSdlSoundPlayer() {
  if (state_->Device == 0) return;
  // Closing joins SDL's audio thread, which may be stuck on a sound server that hangs. It gets a
  // moment on a thread of its own; past that, the end of the process drops the connection.
  std::promise<void> closed;
  const std::future<void> done = closed.get_future();
  std::thread([device = state_->Device, closed = std::move(closed)]() mutable {
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    closed.set_value();
  }).detach();
  done.wait_for(kCloseWait);
}

bool TSdlSoundPlayer::Play(const QString& name, uint32_t flags) {
  TState& state = *state_;
  if (name.isEmpty()) {
    if (state.Device != 0) SDL_ClearQueuedAudio(state.Device);
    return true;
  }
  // A missing wave is known without opening the device; without a device nothing is decoded.
  if (!Resources::Exists(name) || !state.Open()) return false;
  const std::vector<uint8_t>& wave = state.Wave(name);
  if (wave.empty()) return false;
  SDL_ClearQueuedAudio(state.Device);
  if (SDL_QueueAudio(state.Device, wave.data(), Uint32(wave.size())) != 0) return false;
  return (flags & SND_ASYNC) || state.WaitForEnd(wave.size());
}

std::vector<uint8_t> DecodeWave(const QByteArray& bytes) {
  if (!ChunksFit(bytes)) return {};
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
  SDL_AudioSpec spec;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!stream || !SDL_LoadWAV_RW(stream, 1, &spec, &samples, &length)) return {};
  std::vector<uint8_t> converted = Convert(spec, samples, length);
  SDL_FreeWAV(samples);
  return converted;
}

bool PlaySound(const QString& name, uint32_t flags) {
  // A sound that cannot be played is simply not heard; the caller never looks at why.
  try {
    return (currentPlayer ? *currentPlayer : DefaultPlayer()).Play(name, flags);
  } catch (...) {
    return false;
  }
}

void SetSoundPlayer(TSoundPlayer* player) {
  currentPlayer = player;
}
