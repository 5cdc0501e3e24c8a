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

struct Mix_Chunk;

// Decodes a wave held in memory for the opened audio device, as the SDL player does; null when
// the bytes are not a wave it can play or when the device is not open. A wave whose chunks claim
// more bytes than it holds is refused before the decoder, which would reserve what they claim.
Mix_Chunk* DecodeWave(const QByteArray& bytes);

class TSoundPlayer {
 public:
  virtual ~TSoundPlayer() = default;
  virtual bool Play(const QString& name, uint32_t flags) = 0;
};

// Makes PlaySound use `player` (not owned); nullptr restores the SDL player.
void SetSoundPlayer(TSoundPlayer* player);

// Remembers what was asked for, in order, and plays nothing.
class TRecordingSoundPlayer : public TSoundPlayer {
 public:
  struct TCall {
    QString Name;
    uint32_t Flags = 0;
    bool operator==(const TCall&) const = default;
  };

  bool Play(const QString& name, uint32_t flags) override {
    Calls.push_back({name, flags});
    return Result;
  }

  std::vector<TCall> Calls;
  bool Result = true;
};

// Plays through SDL2_mixer on one channel. Audio is opened on the first play; when that fails
// (no sound card) every play returns false at once. Waves are decoded once and kept. Only one
// instance should exist at a time: they share the audio device.
class TSdlSoundPlayer : public TSoundPlayer {
 public:
  TSdlSoundPlayer();
  ~TSdlSoundPlayer() override;
  TSdlSoundPlayer(const TSdlSoundPlayer&) = delete;
  TSdlSoundPlayer& operator=(const TSdlSoundPlayer&) = delete;

  bool Play(const QString& name, uint32_t flags) override;

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};
