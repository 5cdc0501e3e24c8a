#include "toolkit/Animate.h"

#include <gtest/gtest.h>

#include <QPalette>

#include "toolkit/EToolkitError.h"

// The test animation: three 40×40 frames at 25 per second on a black ground, a green pixel at
// (5, 5), blue at (33, 34), red at (34, 35), and a 10×10 square at (15, 15) that is red, then
// blue, then green; the later frames only repaint the square.
namespace {

const QColor kParent(255, 0, 255);

struct TScene {
  QWidget parent;
  TAnimate* animate;

  TScene() : animate(new TAnimate(&parent)) {
    parent.resize(60, 60);
    QPalette palette;
    palette.setColor(QPalette::Window, kParent);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    animate->setGeometry(10, 10, 29, 30);
    animate->SetResName("Man");
  }

  QColor At(int x, int y) { return parent.grab().toImage().pixelColor(x, y); }
};

}  // namespace

TEST(Animate, LoadsTheResourceAtItsFrameRate) {
  TAnimate animate;
  animate.SetResName("Man");
  EXPECT_EQ(animate.FrameCount(), 3);
  EXPECT_EQ(animate.CurrentFrame(), 0);
  EXPECT_EQ(animate.Interval(), 40);
  EXPECT_FALSE(animate.Active());
  animate.SetActive(true);
  EXPECT_TRUE(animate.Active());
  animate.SetActive(false);
  EXPECT_FALSE(animate.Active());
}

TEST(Animate, BadResourcesRaiseAndKeepTheAnimation) {
  TAnimate animate;
  EXPECT_THROW(animate.SetActive(true), EToolkitError);
  animate.SetResName("Man");
  animate.NextFrame();
  for (const char* name : {"Nothing", "Broken"}) {
    try {
      animate.SetResName(name);
      ADD_FAILURE() << name << " accepted";
    } catch (const EToolkitError& error) {
      EXPECT_NE(QString(error.what()).indexOf(name, 0, Qt::CaseInsensitive), -1) << error.what();
    }
    EXPECT_EQ(animate.FrameCount(), 3);
    EXPECT_EQ(animate.CurrentFrame(), 1);
  }
}

TEST(Animate, LoopsUpToTheStopFrameAndCountsRepetitions) {
  struct TCase {
    int stopFrame;
    int repetitions;
    std::vector<int> frames;  // CurrentFrame after each tick
    bool activeAfter;
  };
  const TCase cases[] = {
      {0, 0, {1, 2, 0, 1, 2, 0, 1}, true},  {3, 0, {1, 2, 0, 1}, true},
      {50, 0, {1, 2, 0, 1}, true},  // beyond the file: its last frame
      {2, 0, {1, 0, 1, 0}, true},           {1, 0, {0, 0}, true},
      {0, 2, {1, 2, 0, 1, 2, 2, 2}, false},
  };
  for (const TCase& c : cases) {
    TAnimate animate;
    animate.SetResName("Man");
    animate.SetStopFrame(c.stopFrame);
    animate.SetRepetitions(c.repetitions);
    animate.SetActive(true);
    std::vector<int> frames;
    for (size_t i = 0; i < c.frames.size(); ++i) {
      animate.NextFrame();
      frames.push_back(animate.CurrentFrame());
    }
    EXPECT_EQ(frames, c.frames) << "stop " << c.stopFrame << ", repetitions " << c.repetitions;
    EXPECT_EQ(animate.Active(), c.activeAfter) << "stop " << c.stopFrame;
  }
}

TEST(Animate, DrawsTheFrameCentredAndClippedToItsBox) {
  struct TProbe {
    QPoint at;  // in the parent; the box is at (10, 10), 29×30
    QColor colour;
  };
  struct TCase {
    const char* name;
    bool center;
    bool transparent;
    std::vector<TProbe> probes;
  };
  // Centred, the frame's top-left lands at ((29 - 40) / 2, (30 - 40) / 2) = (-5, -5).
  const TCase cases[] = {
      {"centred, transparent",
       true,
       true,
       {{{10, 10}, Qt::green},
        {{38, 39}, Qt::blue},
        {{11, 10}, kParent},
        {{20, 20}, Qt::red},
        {{39, 40}, kParent},
        {{9, 9}, kParent}}},
      {"centred, opaque", true, false, {{{11, 10}, Qt::black}, {{39, 40}, kParent}}},
      {"top-left, opaque",
       false,
       false,
       {{{10, 10}, Qt::black}, {{15, 15}, Qt::green}, {{25, 25}, Qt::red}}},
      {"top-left, transparent", false, true, {{{10, 10}, kParent}, {{15, 15}, Qt::green}}},
  };
  for (const TCase& c : cases) {
    TScene scene;
    scene.animate->SetCenter(c.center);
    scene.animate->SetTransparent(c.transparent);
    const QImage shot = scene.parent.grab().toImage();
    for (const TProbe& probe : c.probes) {
      EXPECT_EQ(shot.pixelColor(probe.at), probe.colour)
          << c.name << " at " << probe.at.x() << "," << probe.at.y();
    }
  }
}

TEST(Animate, LaterFramesRepaintOnlyWhatTheyChange) {
  TScene scene;
  scene.animate->SetCenter(true);
  scene.animate->SetTransparent(true);
  const QColor squares[] = {Qt::red, Qt::blue, Qt::green, Qt::red};
  for (const QColor& square : squares) {
    EXPECT_EQ(scene.At(20, 20), square) << "frame " << scene.animate->CurrentFrame();
    EXPECT_EQ(scene.At(10, 10), Qt::green) << "frame " << scene.animate->CurrentFrame();
    EXPECT_EQ(scene.At(12, 12), kParent) << "frame " << scene.animate->CurrentFrame();
    scene.animate->NextFrame();
  }
}
