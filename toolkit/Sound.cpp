#include "toolkit/Sound.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <map>
#include <thread>

#include "toolkit/Resources.h"
#include "toolkit/Riff.h"
#include "toolkit/TerminationSignal.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// Every wave is converted once to this format; SDL converts it further to the device's.
constexpr int Frequency = 22050;
constexpr SDL_AudioFormat Format = AUDIO_S16SYS;
constexpr Uint8 Channels = 1;
constexpr size_t BytesPerSecond = Frequency * 2 * Channels;
// The rates a wave may have.
constexpr int LowestRate = 4000;
constexpr int HighestRate = 192000;
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

// Every chunk lies within the bytes present (the last one may lack its pad). The walk covers all
// the bytes, not the RIFF size: the decoder reads on past a RIFF size that says too little.
bool ChunksFit(TBytes bytes) {
  if (bytes.size() < 12 || ReadLe32(bytes, 4) > bytes.size() - 8) return false;
  // Only a wave reaches the decoder, whatever the resource holds.
  if (ReadLe32(bytes, 0) != Fourcc("RIFF") || ReadLe32(bytes, 8) != Fourcc("WAVE")) return false;
  TRiffWalk walk(bytes.subspan(12));
  while (walk.Next()) continue;
  // A tail shorter than a chunk header holds no chunk that could overrun.
  return walk.Fault().Kind != TRiffFault::TKind::ChunkOverrun;
}

using TStream = std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)>;
using TSamples = std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)>;

std::vector<uint8_t> Convert(const SDL_AudioSpec& from, const Uint8* samples, Uint32 length) {
  // SDL's resampler gets its buffer sizes wrong (negative) for rates far from ours.
  if (from.freq < LowestRate || from.freq > HighestRate) return {};
  const TStream stream(
      SDL_NewAudioStream(from.format, from.channels, from.freq, Format, Channels, Frequency),
      &SDL_FreeAudioStream);
  if (!stream) return {};
  std::vector<uint8_t> converted;
  if (SDL_AudioStreamPut(stream.get(), samples, int(length)) == 0 &&
      SDL_AudioStreamFlush(stream.get()) == 0) {
    converted.resize(size_t(SDL_AudioStreamAvailable(stream.get())));
    const int got = SDL_AudioStreamGet(stream.get(), converted.data(), int(converted.size()));
    converted.resize(size_t(std::max(got, 0)));
  }
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
  milliseconds RetryDelay = FirstRetry;
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
    SDL_AudioSpec wanted = {};
    wanted.freq = Frequency;
    wanted.format = Format;
    wanted.channels = Channels;
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
        steady_clock::now() + milliseconds(bytes * 1000 / BytesPerSecond) + WaitMargin;
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
      SDL_Delay(PollMs);
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
  done.wait_for(CloseWait);
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
  if (!ChunksFit(AsBytes(bytes))) return {};
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
  SDL_AudioSpec format;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!stream || !SDL_LoadWAV_RW(stream, 1, &format, &samples, &length)) return {};
  const TSamples owned(samples, &SDL_FreeWAV);
  return Convert(format, owned.get(), length);
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
