// Any bytes given as a wave resource, through the sound player's own decoding, then played,
// stopped and freed. The device is SDL's dummy driver, opened once as the player opens it.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "toolkit/Sound.h"

namespace {

bool OpenAudio() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) return false;
  Mix_AllocateChannels(1);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool open = OpenAudio();
  if (!open) std::abort();  // without a device the loading path is never reached
  Mix_Chunk* chunk = DecodeWave(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (!chunk) return 0;
  Mix_HaltChannel(0);
  if (Mix_PlayChannel(0, chunk, 0) >= 0) Mix_HaltChannel(0);
  Mix_FreeChunk(chunk);
  return 0;
}
