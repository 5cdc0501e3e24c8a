#include "toolkit/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <cstdio>
#include <map>

#include "toolkit/Resources.h"

namespace {

constexpr int kChannel = 0;
constexpr int kFrequency = 22050;
constexpr int kPollMs = 5;
// A device that stops taking audio must not hold the game beyond the wave's length plus this.
constexpr Uint64 kWaitMarginMs = 1000;

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

struct TChunkFree {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
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
  // SDL2_mixer also takes MP3, MIDI and more by their content; a wave resource must be a wave.
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

TSoundPlayer& DefaultPlayer() {
  static TSdlSoundPlayer player;
  return player;
}

}  // namespace

struct TSdlSoundPlayer::TState {
  enum class TAudio { Closed, Open, Failed };
  TAudio Audio = TAudio::Closed;
  int BytesPerSecond = 0;
  // By lower-case name; a null chunk is a wave that could not be read, not tried again.
  std::map<QString, std::unique_ptr<Mix_Chunk, TChunkFree>> Chunks;

  bool Open() {
    if (Audio != TAudio::Closed) return Audio == TAudio::Open;
    Audio = TAudio::Failed;  // a failure is remembered: no retry, no noise on every call
    // SDL would otherwise take over Ctrl+C and turn it into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    TQuietStderr quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, 1024) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    BytesPerSecond = frequency * channels * int(SDL_AUDIO_BITSIZE(format) / 8);
    Mix_AllocateChannels(1);
    Audio = TAudio::Open;
    return true;
  }

  Mix_Chunk* Chunk(const QString& name) {
    const QString key = name.toLower();
    if (const auto found = Chunks.find(key); found != Chunks.end()) return found->second.get();
    Mix_Chunk* chunk = DecodeWave(Resources::Load(name));
    Chunks[key].reset(chunk);
    return chunk;
  }

  bool WaitForEnd(const Mix_Chunk* chunk) const {
    const Uint64 lengthMs =
        BytesPerSecond > 0 ? Uint64(chunk->alen) * 1000 / Uint64(BytesPerSecond) : 0;
    const Uint64 start = SDL_GetTicks64();
    while (Mix_Playing(kChannel)) {
      if (SDL_GetTicks64() - start > lengthMs + kWaitMarginMs) {
        Mix_HaltChannel(kChannel);
        return false;
      }
      SDL_Delay(kPollMs);
    }
    return true;
  }
};

TSdlSoundPlayer::TSdlSoundPlayer() : state_(std::make_unique<TState>()) {}

TSdlSoundPlayer::~TSdlSoundPlayer() {
  if (state_->Audio != TState::TAudio::Open) return;
  Mix_HaltChannel(-1);
  state_->Chunks.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdlSoundPlayer::Play(const QString& name, uint32_t flags) {
  if (name.isEmpty()) {
    if (state_->Audio == TState::TAudio::Open) Mix_HaltChannel(kChannel);
    return true;
  }
  // A missing wave is known without opening the device.
  if (!Resources::Exists(name) || !state_->Open()) return false;
  Mix_Chunk* chunk = state_->Chunk(name);
  if (!chunk) return false;
  Mix_HaltChannel(kChannel);
  if (Mix_PlayChannel(kChannel, chunk, 0) < 0) return false;
  if (flags & SND_ASYNC) return true;
  return state_->WaitForEnd(chunk);
}

Mix_Chunk* DecodeWave(const QByteArray& bytes) {
  if (!ChunksFit(bytes)) return nullptr;
  // The chunk is converted to the device's format on loading, so the bytes need not outlive it.
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
  return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
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
