#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// The wave player: plays a wave resource of the program, either to its end before returning or
// in the background, replacing whatever sound is still playing.
constexpr uint32_t SND_ASYNC = 0x0001;
constexpr uint32_t SND_RESOURCE = 0x40004;

// Plays with the current player: SND_ASYNC starts the wave in the background, without it the call
// returns when the wave has ended; other flag bits are ignored, the name is always a resource. An
// empty name stops the sound that is playing. False when nothing could be played; never throws.
bool PlaySound(const QString& name, uint32_t flags);

// Decodes a wave held in memory (integer PCM of 8, 16 or 32 bits, or 32-bit floats) into the
// samples the SDL player plays (22050 Hz, 16-bit, mono), allocating only the result; empty when
// the bytes are not a wave it can play. A wave whose chunks claim more bytes than it holds is
// refused.
std::vector<uint8_t> DecodeWave(const QByteArray& bytes);

// How the sound server lists the program's sound: under the application's name and icon name
// (its desktop entry's), as a stream of its own name with the media role of a game. What the
// user's environment already says (SDL's or PulseAudio's variables) wins. Call before any
// thread starts: the icon name and the role go through the environment.
void NameSoundStream(const QString& application, const QString& iconName, const QString& stream);

class TSoundPlayer {
 public:
  virtual ~TSoundPlayer() = default;
  virtual bool Play(const QString& name, uint32_t flags) = 0;
};

// Makes PlaySound use `player` (not owned); nullptr restores the SDL player.
void SetSoundPlayer(TSoundPlayer* player);

// Plays through an SDL audio device, opened at the first play. A device that is lost (the sound
// server went away) is closed and opened again at the next play; a device that cannot be opened
// is tried again at a later play, after a delay that doubles at every failure, so that a machine
// without sound pays SDL's probing rarely. Waves are decoded once and kept, and the device reads
// them from there as it plays.
class TSdlSoundPlayer : public TSoundPlayer {
 public:
  TSdlSoundPlayer();
  // Never waits long for a sound server that hangs: the process is ending anyway.
  ~TSdlSoundPlayer() override;
  TSdlSoundPlayer(const TSdlSoundPlayer&) = delete;
  TSdlSoundPlayer& operator=(const TSdlSoundPlayer&) = delete;

  bool Play(const QString& name, uint32_t flags) override;

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};
