#include <QAction>
#include <QLabel>

#include "game/Scoring.h"
#include "tests/game/GameFixture.h"
#include "toolkit/Random.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"

namespace {

class Race : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    main->show();  // the window surface only reaches the screen image of a shown window
    RandSeed = 20261208;
  }
  QRgb OnWindow(int x, int y) { return main->Surface().pixel(x, y); }
};

}  // namespace

TEST_F(Race, StartResetsTheHorsesValidatesAndStartsBothTimers) {
  main->StringGrid1->SetCell(1, 0, "7");
  Score1 = 4;
  main->GoClick();
  EXPECT_EQ(main->LabelCh1->text(), "723");
  EXPECT_EQ(main->LabelCh2->text(), "456");
  EXPECT_FALSE(main->PanelPropos->isVisibleTo(main.get()));
  EXPECT_FALSE(main->Go->isEnabled());
  EXPECT_FALSE(main->Recommencer1->isEnabled());
  EXPECT_FALSE(main->Modifierlescheveaux1->isEnabled());
  EXPECT_TRUE(main->Jouersons1->isEnabled());
  EXPECT_TRUE(main->Quitter->isEnabled());
  EXPECT_EQ(main->TimerMouvement->Interval(), 90);
  EXPECT_EQ(main->TimerAvancer->Interval(), 80);
  EXPECT_EQ(NextRank, 1);
  EXPECT_EQ(AnimFrame, 1);
  EXPECT_EQ(ArrivalOrder, "");
  EXPECT_EQ(Score1, 4);
  for (int h = 1; h <= 9; ++h) {
    EXPECT_EQ(HorseX[h], -FrameWidth);
    EXPECT_EQ(HorseY[h], FirstLaneTop + LaneHeight * (h - 1));
    EXPECT_FALSE(HorseFinished[h]);
    EXPECT_EQ(HorseRect[h], (TRect{-FrameWidth, HorseY[h], 0, HorseY[h] + FrameHeight}));
    EXPECT_EQ(PrevHorseRect[h], HorseRect[h]);
  }
}

TEST_F(Race, RunsToTheEndAndScoresBothPlayers) {
  Score1 = 3;
  Score2 = 0;
  main->GoClick();
  int firstArrivalTick = 0;
  int ticks = 0;
  const int advanceTicks = FinishRace([&] {
    if (firstArrivalTick == 0 && !ArrivalOrder.isEmpty()) firstArrivalTick = ticks;
    ++ticks;
  });
  ASSERT_TRUE(main->Go->isEnabled());
  EXPECT_GE(advanceTicks, 86);
  EXPECT_LE(advanceTicks, 773);
  ASSERT_EQ(ArrivalOrder.size(), 9);
  for (char digit = '1'; digit <= '9'; ++digit) EXPECT_TRUE(ArrivalOrder.contains(QChar(digit)));
  EXPECT_EQ(NextRank, 10);
  for (int h = 1; h <= 9; ++h) EXPECT_EQ(HorseX[h], 710);
  EXPECT_FALSE(main->TimerMouvement->Active());
  EXPECT_FALSE(main->TimerAvancer->Active());
  EXPECT_TRUE(main->Recommencer1->isEnabled());
  EXPECT_TRUE(main->Modifierlescheveaux1->isEnabled());
  EXPECT_EQ(Score1, 3 + ScoreBet("123", ArrivalOrder));
  EXPECT_EQ(Score2, ScoreBet("456", ArrivalOrder));
  EXPECT_EQ(main->LabelPointJoueur1->text(), QString::number(Score1));
  EXPECT_EQ(main->LabelPointJoueur2->text(), QString::number(Score2));
}

TEST_F(Race, NoHorseArrivesBeforeTheEightySixthAdvanceTick) {
  main->GoClick();
  for (int tick = 1; tick <= 85; ++tick) {
    main->TimerAvancerTimer();
    ASSERT_EQ(ArrivalOrder, "") << "tick " << tick;
  }
}

TEST_F(Race, ArrivalsInOneTickAreRankedByHorseNumber) {
  main->GoClick();
  HorseX[7] = 699;
  HorseX[2] = 699;
  HorseX[5] = 720;  // further past the line makes no difference
  main->TimerAvancerTimer();
  EXPECT_EQ(ArrivalOrder, "257");
  EXPECT_EQ(NextRank, 4);
  for (int h : {2, 5, 7}) EXPECT_EQ(HorseX[h], 710);
}

TEST_F(Race, AHorseExactlyOnTheLineHasArrived) {
  main->GoClick();
  // Find the step horse 4 will draw in the next tick, and stop it exactly on the line.
  const uint32_t seed = RandSeed;
  int step = 0;
  for (int h = 1; h <= 4; ++h) step = Random(9) + 1;
  RandSeed = seed;
  HorseX[4] = 700 - step;
  main->TimerAvancerTimer();
  EXPECT_TRUE(HorseFinished[4]);
  EXPECT_EQ(ArrivalOrder, "4");
}

TEST_F(Race, RankIsWrittenOnceInYellowOnDarkGreenAtThePost) {
  main->GoClick();
  HorseX[3] = 705;
  // The window gains the rank in its box at (770, lane + 32) and nothing else, for good.
  QImage expected = main->Surface().copy();
  TCanvas post(expected);
  post.Font.SetName("Arial");
  post.Font.SetColor(clYellow);
  post.Brush.Color = clGreen;
  post.TextOut(770, HorseY[3] + 32, "1");
  const QImage scene = SceneBitmap.Image().copy();
  for (int tick = 0; tick < 2; ++tick) {
    main->TimerAvancerTimer();
    EXPECT_EQ(main->Surface(), expected) << tick;
  }
  EXPECT_EQ(SceneBitmap.Image(), scene);  // the scene never holds the rank
  EXPECT_EQ(ArrivalOrder.count('3'), 1);
}

TEST_F(Race, AllHorsesGallopInStepStartingWithFrameTwoOfTheirOwnCells) {
  main->GoClick();
  for (int tick = 0; tick < 30; ++tick) main->TimerAvancerTimer();
  main->TimerMouvementTimer();
  EXPECT_EQ(AnimFrame, 2);
  // The scene is the track with each horse's frame 2, keyed, where it stands.
  QImage scene = BackgroundBitmap.Image().copy();
  for (int h = 1; h <= 9; ++h) TCanvas(scene).Draw(HorseX[h], HorseY[h], HorseFrames[h][2]);
  EXPECT_EQ(SceneBitmap.Image(), scene);
  for (int tick = 0; tick < 8; ++tick) main->TimerMouvementTimer();
  EXPECT_EQ(AnimFrame, 2);
  // A frame is its cell of the sheet, keyed on the field at (1, 1), whatever the cell's corner.
  QImage sheet(2 * FrameWidth, 2 * FrameHeight, QImage::Format_RGB32);
  sheet.fill(Qt::blue);
  sheet.setPixel(FrameWidth, FrameHeight, qRgb(255, 0, 0));
  const TBitmap cell = CutHorseFrame(TBitmap(sheet), 2, 2);
  EXPECT_EQ(cell.Image(), sheet.copy(FrameWidth, FrameHeight, FrameWidth, FrameHeight));
  EXPECT_EQ(cell.TransparentColor, QColorToColor(Qt::blue));
}

TEST_F(Race, FinishedHorsesFreezeOnTheWindowButGallopOnTheScene) {
  main->GoClick();
  for (int h = 1; h <= 9; ++h) HorseX[h] = 600;
  main->TimerMouvementTimer();
  const QImage before = main->Surface().copy(560, 50, 240, 60);
  HorseX[1] = 705;
  main->TimerAvancerTimer();
  ASSERT_TRUE(HorseFinished[1]);
  main->TimerMouvementTimer();
  main->TimerMouvementTimer();
  // Lane 1 on the window: unchanged but for the rank box at 770.
  const QImage after = main->Surface().copy(560, 50, 240, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
  // On the scene horse 1 stands at 710.
  EXPECT_EQ(HorseRect[1], (TRect{710, 50, 783, 110}));
}

TEST_F(Race, SoundsFollowTheSwitchAtTheMomentOfEachSound) {
  struct Case {
    const char* name;
    bool onAtStart;
    bool flipDuringRace;
    std::vector<QString> expected;
  };
  const Case cases[] = {
      {"on", true, false, {"Feu", "Bravo", "FIN"}},
      {"off at start", false, false, {}},
      {"cleared during the race", true, true, {"Feu", "Bravo"}},
      {"set during the race", false, true, {"FIN"}},
  };
  for (const Case& c : cases) {
    sounds.Calls.clear();
    main->Jouersons1->setChecked(c.onAtStart);
    main->GoClick();
    if (c.flipDuringRace) main->Jouersons1Click();
    FinishRace();
    std::vector<QString> names;
    for (const auto& call : sounds.Calls) names.push_back(call.Name);
    EXPECT_EQ(names, c.expected) << c.name;
    for (const auto& call : sounds.Calls) {
      EXPECT_EQ(call.Flags, call.Name == "Feu" ? SND_RESOURCE : (SND_RESOURCE | SND_ASYNC))
          << c.name;
    }
  }
}

TEST_F(Race, TheStartSignalPlaysOverTheFreshTrack) {
  main->GoClick();
  FinishRace();
  // Looks at the window at the moment the start signal is asked for.
  bool trackClean = false;
  sounds.OnPlay = [&](const QString& name) {
    if (name == "Feu")
      trackClean = main->Surface().copy(700, 50, 100, 540) ==
                   BackgroundBitmap.Image().copy(700, 50, 100, 540);
  };
  main->GoClick();
  sounds.OnPlay = nullptr;
  EXPECT_TRUE(trackClean);
}

TEST_F(Race, GoWhileThePanelIsShownValidatesTheGridAsItStands) {
  main->Choix1->setCurrentIndex(8);
  main->Choix2->setCurrentIndex(7);
  main->Choix3->setCurrentIndex(6);  // chosen but never assigned to a player
  main->GoClick();
  EXPECT_EQ(main->LabelCh1->text(), "123");
  EXPECT_EQ(main->LabelCh2->text(), "456");
  EXPECT_FALSE(main->PanelPropos->isVisibleTo(main.get()));
}
