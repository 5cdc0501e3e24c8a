#include <QAction>
#include <QApplication>
#include <QLabel>

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
};

}  // namespace

// Go validates the grid as it stands, whatever the drop-downs hold, and the commands that would
// change the bets wait for the last arrival, which shows the scores.
TEST_F(Race, GoValidatesTheGridAsItStandsAndTheCommandsWaitForTheLastArrival) {
  RandSeed = 28;  // arrives 8, 1, 9
  PlaceBet(0, 7, 2, 3);
  PlaceBet(1, 1, 8, 9);
  Choose(9, 8, 7);  // chosen but never assigned to a player
  main->GoClick();
  EXPECT_EQ(main->LabelCh1->text(), "723");
  EXPECT_EQ(main->LabelCh2->text(), "189");
  EXPECT_FALSE(main->PanelPropos->isVisibleTo(main.get()));
  // Screen readers heard the bets validated, then the start.
  EXPECT_EQ(main->findChild<QWidget*>("AccessibleNotice.previous")->accessibleName(),
            "Paris validés. Joueur 1 : cheval 7, cheval 2, cheval 3 ; joueur 2 : cheval 1, "
            "cheval 8, cheval 9.");
  EXPECT_FALSE(main->Go->isEnabled());
  EXPECT_FALSE(main->Recommencer1->isEnabled());
  EXPECT_FALSE(main->Modifierlescheveaux1->isEnabled());
  EXPECT_TRUE(main->Jouersons1->isEnabled());
  EXPECT_TRUE(main->Quitter->isEnabled());
  EXPECT_EQ(main->TimerMouvement->Interval(), 90);
  EXPECT_EQ(main->TimerAvancer->Interval(), 80);
  for (int h = 1; h <= 9; ++h) {
    const int32_t y = main->Game.HorseY(h);
    EXPECT_EQ(main->HorseRect[h], (TRect{-SpriteWidth, y, 0, y + SpriteHeight}));
    EXPECT_EQ(main->PrevHorseRect[h], main->HorseRect[h]);
  }
  // The race ends while another window has the keyboard: the game leaves its own focus alone.
  QWidget elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  QApplication::processEvents();
  ASSERT_FALSE(main->isActiveWindow());
  FinishRace();
  EXPECT_NE(main->focusWidget(), main->Go);
  EXPECT_FALSE(main->TimerMouvement->Active());
  EXPECT_FALSE(main->TimerAvancer->Active());
  EXPECT_TRUE(main->Go->isEnabled());
  EXPECT_TRUE(main->Recommencer1->isEnabled());
  EXPECT_TRUE(main->Modifierlescheveaux1->isEnabled());
  EXPECT_EQ(main->LabelPointJoueur1->text(), "0");
  EXPECT_EQ(main->LabelPointJoueur2->text(), "5");
}

TEST_F(Race, EachRankIsWrittenInYellowOnDarkGreenAtThePostOnTheWindowOnly) {
  main->GoClick();
  // With the animation still, the window gains each rank in its box at (770, lane + 32) and
  // nothing else.
  QImage expected = main->Surface().copy();
  TCanvas post(expected);
  post.Font.SetName("Arial");
  post.Font.SetColor(clYellow);
  post.Brush.Color = clGreen;
  const QImage scene = main->SceneBitmap.Image().copy();
  while (main->Game.Racing()) {
    const int ranked = main->Game.ArrivalOrder().size();
    main->TimerAvancerTimer();
    const QString order = main->Game.ArrivalOrder();
    for (int rank = ranked + 1; rank <= order.size(); ++rank) {
      const int horse = order[rank - 1].digitValue();
      post.TextOut(770, main->Game.HorseY(horse) + 32, QString::number(rank));
    }
    ASSERT_EQ(main->Surface(), expected) << order.toStdString();
  }
  EXPECT_EQ(main->SceneBitmap.Image(), scene);
}

TEST_F(Race, AllHorsesGallopInStepStartingWithFrameTwoOfTheirOwnCells) {
  main->GoClick();
  for (int tick = 0; tick < 30; ++tick) main->TimerAvancerTimer();
  main->TimerMouvementTimer();
  // The scene is the track with each horse's frame 2, keyed, where it stands.
  const TGame& game = main->Game;
  QImage scene = main->BackgroundBitmap.Image().copy();
  for (int h = 1; h <= 9; ++h) {
    TCanvas(scene).Draw(game.HorseX(h), game.HorseY(h), main->HorseFrames[h][2]);
  }
  EXPECT_EQ(main->SceneBitmap.Image(), scene);
  // A frame is its cell of the sheet, keyed on the field at (1, 1), whatever the cell's corner.
  QImage sheet(2 * SpriteWidth, 2 * SpriteHeight, QImage::Format_RGB32);
  sheet.fill(Qt::blue);
  sheet.setPixel(SpriteWidth, SpriteHeight, qRgb(255, 0, 0));
  const TBitmap cell = CutHorseFrame(TBitmap(sheet), 2, 2);
  EXPECT_EQ(cell.Image(), sheet.copy(SpriteWidth, SpriteHeight, SpriteWidth, SpriteHeight));
  EXPECT_EQ(cell.TransparentColor, QColorToColor(Qt::blue));
}

TEST_F(Race, FinishedHorsesFreezeOnTheWindowButGallopOnTheScene) {
  main->GoClick();
  int first = 0;
  QImage frozen;
  FinishRace([&] {
    if (first != 0 || main->Game.ArrivalOrder().isEmpty()) return;
    first = main->Game.ArrivalOrder()[0].digitValue();
    frozen = main->Surface().copy(0, main->Game.HorseY(first), 800, SpriteHeight);
  });
  ASSERT_NE(first, 0);
  // The first horse's lane on the window, its rank box included, as it was when it arrived.
  const int32_t lane = main->Game.HorseY(first);
  EXPECT_EQ(main->Surface().copy(0, lane, 800, SpriteHeight), frozen);
  // On the scene it stands at 710.
  EXPECT_EQ(main->HorseRect[first], (TRect{710, lane, 710 + SpriteWidth, lane + SpriteHeight}));
}

// Each sound follows the switch at its own moment, and the start signal, which blocks the loop,
// plays over the fresh track, the last race's horses and ranks gone.
TEST_F(Race, SoundsFollowTheSwitchAtTheMomentOfEachSoundOverTheFreshTrack) {
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
  sounds.OnPlay = [&](const QString& name) {
    if (name != "Feu") return;
    EXPECT_EQ(main->Surface().copy(700, 50, 100, 540),
              main->BackgroundBitmap.Image().copy(700, 50, 100, 540));
  };
  for (const Case& c : cases) {
    sounds.Calls.clear();
    if (main->Game.SoundsOn() != c.onAtStart) main->Jouersons1Click();
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
  sounds.OnPlay = nullptr;
}
