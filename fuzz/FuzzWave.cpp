// Any bytes given as a wave resource, through the sound player's own decoding and conversion,
// then queued on SDL's dummy device and cleared, as the player replaces a sound.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "toolkit/Sound.h"

namespace {

SDL_AudioDeviceID OpenAudio() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec wanted = {};
  wanted.freq = 22050;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  return SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const SDL_AudioDeviceID device = OpenAudio();
  if (device == 0) std::abort();  // without a device the queueing path is never reached
  const std::vector<uint8_t> samples =
      DecodeWave(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (samples.empty()) return 0;
  // Whole 16-bit mono samples, as the player queues them.
  if (samples.size() % 2 != 0) std::abort();
  SDL_QueueAudio(device, samples.data(), Uint32(samples.size()));
  SDL_ClearQueuedAudio(device);
  return 0;
}
