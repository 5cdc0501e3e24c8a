#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "toolkit/LittleEndian.h"

// RIFF files (AVI, WAVE): chunks of a four-character id, a little-endian size and a body padded
// to even length, laid end to end.

constexpr uint32_t Fourcc(const char (&text)[5]) {
  return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 |
         uint32_t(uint8_t(text[2])) << 16 | uint32_t(uint8_t(text[3])) << 24;
}

// The id as text for a message, with '?' for what is not printable.
QString FourccText(uint32_t id);

struct TRiffChunk {
  uint32_t Id = 0;
  TBytes Body;
};

// Where a walk stopped short of the end of its bytes.
struct TRiffFault {
  enum class TKind { None, TruncatedHeader, ChunkOverrun };
  TKind Kind = TKind::None;
  // The overrunning chunk's id and announced size.
  uint32_t Id = 0;
  uint32_t Size = 0;
};

// Reads the chunks of a byte span one by one. Each chunk's size is checked against the bytes
// present; the walk ends at the first chunk that does not fit, or at fewer than 8 bytes left.
class TRiffWalk {
 public:
  explicit TRiffWalk(TBytes data) : data_(data) {}

  // The next chunk; nothing at the end of the bytes or at a fault.
  std::optional<TRiffChunk> Next();
  const TRiffFault& Fault() const { return fault_; }

 private:
  TBytes data_;
  size_t pos_ = 0;
  TRiffFault fault_;
};

// The body of the first chunk called `id` in `data`; nothing when no chunk that fits has it.
std::optional<TBytes> FindRiffChunk(TBytes data, uint32_t id);
