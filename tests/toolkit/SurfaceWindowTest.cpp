#include "toolkit/SurfaceWindow.h"

#include <gtest/gtest.h>

#include "toolkit/Random.h"

// What a window remembers as drawn since its last paint is exactly what was drawn, whether the
// rectangles merge into its fixed room or overflow it.
TEST(DrawnArea, IsTheUnionOfWhatWasDrawnLessWhatWasPainted) {
  RandSeed = 777;
  for (int round = 0; round < 50; ++round) {
    TDrawnArea area;
    QRegion expected;
    const int count = 1 + Random(80);
    for (int i = 0; i < count; ++i) {
      // Mostly sprite-like strips on a few rows, sometimes anywhere.
      const QRect rect = Random(4) == 0
                             ? QRect(Random(700), Random(500), 1 + Random(90), 1 + Random(90))
                             : QRect(Random(700), 50 + 60 * Random(9), 73 + Random(10), 60);
      area.Add(rect);
      expected += rect;
      if (Random(10) == 0) {
        const QRect painted(Random(600), Random(400), Random(300), Random(300));
        area.Subtract(painted);
        expected -= painted;
      }
      ASSERT_TRUE(area.Region().xored(expected).isEmpty())
          << "round " << round << ", rectangle " << i;
      ASSERT_EQ(area.IsEmpty(), expected.isEmpty());
    }
  }
}
