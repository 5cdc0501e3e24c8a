// Waves are read where the resource lies and converted into the one buffer the player keeps,
// piece by piece when no resampling is needed: the crowd's 27 s would otherwise pass through a
// loader's copy and the converter's whole-wave buffers, several times the size of what is kept.
#include <SDL.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "toolkit/Riff.h"
#include "toolkit/Sound.h"
#include "toolkit/SoundFormat.h"

namespace {

// The rates a wave may have; SDL's resampler gets its buffer sizes wrong (negative) for rates far
// from ours.
constexpr int LowestRate = 4000;
constexpr int HighestRate = 192000;
constexpr uint16_t PcmTag = 1;
constexpr uint16_t FloatTag = 3;
constexpr int MaxChannels = 8;
// Input bytes converted at a time: the converter's own buffers stay this small.
constexpr size_t PieceBytes = 16384;
// Room for what the resampler adds at the end, beyond the exact ratio of the rates.
constexpr size_t ResamplerSlackFrames = 1024;

struct TWaveFormat {
  SDL_AudioFormat Format = 0;
  int Channels = 0;
  int Rate = 0;
  size_t FrameBytes = 0;
};

// Every chunk lies within the bytes present (the last one may lack its pad). The walk covers all
// the bytes, not the RIFF size, which a writer may have left wrong.
bool ChunksFit(TBytes bytes) {
  if (bytes.size() < 12 || ReadLe32(bytes, 4) > bytes.size() - 8) return false;
  if (ReadLe32(bytes, 0) != Fourcc("RIFF") || ReadLe32(bytes, 8) != Fourcc("WAVE")) return false;
  TRiffWalk walk(bytes.subspan(12));
  while (walk.Next()) continue;
  // A tail shorter than a chunk header holds no chunk that could overrun.
  return walk.Fault().Kind != TRiffFault::TKind::ChunkOverrun;
}

// Integer PCM of 8, 16 or 32 bits, or 32-bit floats; nothing else is played.
std::optional<TWaveFormat> ReadFormat(TBytes fmt) {
  if (fmt.size() < 16) return std::nullopt;
  const uint16_t tag = ReadLe16(fmt, 0);
  TWaveFormat format;
  format.Channels = ReadLe16(fmt, 2);
  format.Rate = int(std::min<uint32_t>(ReadLe32(fmt, 4), HighestRate + 1));
  const uint16_t bits = ReadLe16(fmt, 14);
  if (tag == PcmTag && bits == 8) format.Format = AUDIO_U8;
  if (tag == PcmTag && bits == 16) format.Format = AUDIO_S16LSB;
  if (tag == PcmTag && bits == 32) format.Format = AUDIO_S32LSB;
  if (tag == FloatTag && bits == 32) format.Format = AUDIO_F32LSB;
  if (format.Format == 0 || format.Channels < 1 || format.Channels > MaxChannels ||
      format.Rate < LowestRate || format.Rate > HighestRate)
    return std::nullopt;
  format.FrameBytes = size_t(format.Channels) * bits / 8;
  return format;
}

using TStream = std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)>;

// Appends what the stream holds; the caller reserved the room.
bool Drain(SDL_AudioStream& stream, std::vector<uint8_t>& into) {
  const int available = SDL_AudioStreamAvailable(&stream);
  const size_t at = into.size();
  into.resize(at + size_t(available));
  const int got = SDL_AudioStreamGet(&stream, into.data() + at, available);
  into.resize(at + size_t(std::max(got, 0)));
  return got >= 0;
}

}  // namespace

std::vector<uint8_t> DecodeWave(const QByteArray& bytes) {
  const TBytes all = AsBytes(bytes);
  if (!ChunksFit(all)) return {};
  const auto fmt = FindRiffChunk(all.subspan(12), Fourcc("fmt "));
  const auto data = FindRiffChunk(all.subspan(12), Fourcc("data"));
  const auto format = fmt ? ReadFormat(*fmt) : std::nullopt;
  if (!format || !data) return {};
  const size_t frames = data->size() / format->FrameBytes;
  const TStream stream(SDL_NewAudioStream(format->Format, Uint8(format->Channels), format->Rate,
                                          SoundFormat, SoundChannels, SoundRate),
                       &SDL_FreeAudioStream);
  if (!stream || frames == 0) return {};
  std::vector<uint8_t> samples;
  const size_t outFrames =
      size_t((uint64_t(frames) * SoundRate + format->Rate - 1) / format->Rate) +
      ResamplerSlackFrames;
  samples.reserve(outFrames * SoundFrameBytes);
  const TBytes whole = data->first(frames * format->FrameBytes);
  // Whole frames only: the converter refuses a part of one. The resampler gives other samples
  // when fed piecewise, so a wave of another rate goes in whole (the game's are short ones).
  const size_t pieceBytes = format->Rate == SoundRate
                                ? PieceBytes / format->FrameBytes * format->FrameBytes
                                : whole.size();
  for (size_t at = 0; at < whole.size(); at += pieceBytes) {
    const TBytes piece = whole.subspan(at, std::min(pieceBytes, whole.size() - at));
    if (SDL_AudioStreamPut(stream.get(), piece.data(), int(piece.size())) != 0 ||
        !Drain(*stream, samples))
      return {};
  }
  if (SDL_AudioStreamFlush(stream.get()) != 0 || !Drain(*stream, samples)) return {};
  return samples;
}
