#include "toolkit/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <QSysInfo>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "toolkit/EToolkitError.h"

namespace {

// A corrupt header may announce any size up to 65500 x 65500, which would be allocated and
// filled in full; the program's pictures are far below this.
constexpr unsigned long MaxPixels = 1ul << 24;

struct TErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<TErrorManager*>(info->err);
  info->err->format_message(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings (such as a premature end of data) are counted, not printed.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) ++info->err->num_warnings;
}

// Holds only trivially destructible locals, so that the long jump out of libjpeg skips no
// destructor. Returns false with `message` filled on failure.
bool Decode(const unsigned char* bytes, unsigned long size, QImage& image, char* message) {
  jpeg_decompress_struct info;
  TErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, size);
  jpeg_read_header(&info, TRUE);
  if (static_cast<unsigned long>(info.image_width) * info.image_height > MaxPixels) {
    std::snprintf(message, JMSG_LENGTH_MAX, "%u x %u pixels, too large", info.image_width,
                  info.image_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  // Format_RGB32 keeps a pixel as one native 32-bit number, 0xffRRGGBB: blue is its first byte
  // on a little-endian machine, the unused one on a big-endian machine.
  info.out_color_space =
      QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_start_decompress(&info);
  image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
  if (image.isNull()) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "image too large");
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  const bool clean = errors.base.num_warnings == 0;
  if (!clean) std::snprintf(message, JMSG_LENGTH_MAX, "corrupt or truncated data");
  jpeg_destroy_decompress(&info);
  return clean;
}

}  // namespace

TBitmap DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) throw EToolkitError("JPEG illisible : aucune donnée");
  QImage image;
  char message[JMSG_LENGTH_MAX] = {};
  if (!Decode(reinterpret_cast<const unsigned char*>(data.constData()),
              static_cast<unsigned long>(data.size()), image, message)) {
    throw EToolkitError(std::string("JPEG illisible : ") + message);
  }
  return TBitmap(image);
}
