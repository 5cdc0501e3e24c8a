#include "toolkit/Resources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <cstdint>
#include <string_view>

#include "toolkit/Bitmap.h"
#include "toolkit/EToolkitError.h"

TEST(Resources, AreFoundWithoutRegardToCase) {
  for (const char* name : {"SAMPLE", "Sample", "sample", "sAmPlE"}) {
    EXPECT_TRUE(Resources::Exists(name)) << name;
    EXPECT_EQ(Resources::Load(name), QByteArray("hello")) << name;
  }
}

TEST(Resources, AMissingNameRaisesAnErrorNamingIt) {
  EXPECT_FALSE(Resources::Exists("Nowhere"));
  try {
    Resources::Load("Nowhere");
    FAIL() << "no error raised";
  } catch (const EToolkitError& error) {
    EXPECT_NE(std::string(error.what()).find("Nowhere"), std::string::npos);
  }
}

TEST(Resources, ABitmapThatIsNotOneRaisesAnError) {
  EXPECT_THROW(TBitmap::FromResource("Sample"), EToolkitError);
}

namespace {

// How many of the whole pages within `bytes` are in this process's memory.
int ResidentPages(const QByteArray& bytes) {
  const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
  const auto start = uintptr_t(bytes.constData());
  QFile map(QStringLiteral("/proc/self/pagemap"));
  EXPECT_TRUE(map.open(QIODevice::ReadOnly));
  const uintptr_t first = (start + page - 1) / page;
  const uintptr_t end = (start + uintptr_t(bytes.size())) / page;
  int resident = 0;
  for (uintptr_t at = first; at < end; ++at) {
    uint64_t entry = 0;
    map.seek(qint64(at * sizeof entry));
    map.read(reinterpret_cast<char*>(&entry), sizeof entry);
    resident += int(entry >> 63);
  }
  return resident;
}

}  // namespace

// Bytes read where the executable holds them are handed back when their reading ends, and read
// the same again; bytes that had to be decompressed are a copy, which is left whole.
TEST(Resources, AReadingHandsBackWhatItReadInPlaceAndTheBytesStayTheSame) {
  const QByteArray original(Resources::Load("Wave").constData(), Resources::Load("Wave").size());
  ASSERT_GT(original.size(), 5 * sysconf(_SC_PAGESIZE));
  for (const char* name : {"Wave", "Squeezed"}) {
    SCOPED_TRACE(name);
    QByteArray kept;
    {
      const Resources::TReading reading(name);
      kept = reading.Bytes();
      EXPECT_EQ(kept, original);
    }
    const bool inPlace = kept.constData() == Resources::Load(name).constData();
    EXPECT_EQ(inPlace, name == std::string_view("Wave"));
    // An emulator's memory calls do not reach the machine's.
    if (inPlace && std::string_view(TIERCE_EMULATOR).empty()) {
      EXPECT_EQ(ResidentPages(kept), 0);
    }
    EXPECT_EQ(kept, original);
  }
}
