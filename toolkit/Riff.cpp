#include "toolkit/Riff.h"

#include <algorithm>

QString FourccText(uint32_t id) {
  QString text;
  for (int i = 0; i < 4; ++i) {
    const char c = char((id >> (8 * i)) & 0xFF);
    text += (c >= 0x20 && c < 0x7F) ? QChar(c) : QChar('?');
  }
  return text;
}

std::optional<TRiffChunk> TRiffWalk::Next() {
  if (pos_ >= data_.size() || fault_.Kind != TRiffFault::TKind::None) return std::nullopt;
  if (data_.size() - pos_ < 8) {
    fault_.Kind = TRiffFault::TKind::TruncatedHeader;
    return std::nullopt;
  }
  const uint32_t id = ReadLe32(data_, pos_);
  const uint32_t size = ReadLe32(data_, pos_ + 4);
  if (size > data_.size() - pos_ - 8) {
    fault_ = {TRiffFault::TKind::ChunkOverrun, id, size};
    return std::nullopt;
  }
  const TRiffChunk chunk{id, data_.subspan(pos_ + 8, size)};
  // A writer may leave out the pad of the last chunk.
  pos_ = std::min<size_t>(pos_ + 8 + size + (size & 1), data_.size());
  return chunk;
}

std::optional<TBytes> FindRiffChunk(TBytes data, uint32_t id) {
  TRiffWalk walk(data);
  while (const auto chunk = walk.Next()) {
    if (chunk->Id == id) return chunk->Body;
  }
  return std::nullopt;
}
