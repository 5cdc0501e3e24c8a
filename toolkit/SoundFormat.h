#pragma once

#include <SDL.h>

#include <cstddef>

// What every wave is converted to once, and what the device is opened with; SDL converts it
// further to the hardware's format as it plays.
constexpr int SoundRate = 22050;
constexpr SDL_AudioFormat SoundFormat = AUDIO_S16SYS;
constexpr Uint8 SoundChannels = 1;
constexpr size_t SoundFrameBytes = 2 * SoundChannels;
