#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <span>

// Numbers stored least significant byte first, as in RIFF and BMP files. The caller checks that
// the bytes are there.

using TBytes = std::span<const uint8_t>;

inline TBytes AsBytes(const QByteArray& data) {
  return {reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size())};
}

inline uint16_t ReadLe16(TBytes bytes, size_t at) {
  return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

inline uint32_t ReadLe32(TBytes bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
         uint32_t(bytes[at + 3]) << 24;
}
