#include "toolkit/Resources.h"

#include <gtest/gtest.h>

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
