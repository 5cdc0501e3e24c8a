#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

#include "tests/game/GameFixture.h"
#include "toolkit/Animate.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Image.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StringGrid.h"
#include "toolkit/Timer.h"

using MainWindow = GameTest;

TEST_F(MainWindow, ControlsSitWhereTheFormPutsThem) {
  struct Case {
    const char* name;
    const char* parent;
    QRect geometry;
  };
  const Case cases[] = {
      {"Image2", "Main", {0, 0, 800, 600}},
      {"Go", "Main", {21, 15, 37, 32}},
      {"LabelPointJoueur1", "Main", {123, 19, 40, 19}},
      {"LabelPointJoueur2", "Main", {637, 19, 40, 19}},
      {"LabelCh1", "Main", {123, 39, 40, 13}},
      {"LabelCh2", "Main", {637, 39, 40, 13}},
      {"PanelPropos", "Main", {224, 119, 353, 360}},
      {"AnimateHomme", "Main", {749, 16, 29, 30}},
      {"Image1", "PanelPropos", {0, 0, 353, 360}},
      {"ValiderSelection", "PanelPropos", {21, 335, 309, 18}},
      {"Choix1", "PanelPropos", {28, 110, 97, 62}},
      {"Choix2", "PanelPropos", {126, 110, 97, 62}},
      {"Choix3", "PanelPropos", {223, 110, 97, 62}},
      {"StringGrid1", "PanelPropos", {26, 193, 296, 129}},
  };
  for (const Case& c : cases) {
    const QWidget* widget = main->findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    EXPECT_EQ(widget->parentWidget()->objectName(), c.parent) << c.name;
  }
}

TEST_F(MainWindow, IsABorderless800By600WindowWithIcon) {
  EXPECT_EQ(main->size(), QSize(800, 600));
  EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(main->windowTitle(), "Main");
  // The 32-pixel picture, and the larger ones the artwork makes for big screens.
  EXPECT_EQ(main->windowIcon().availableSizes(),
            (QList<QSize>{{32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
  EXPECT_EQ(main->font().pixelSize(), 11);
}

TEST_F(MainWindow, LabelsHaveTheirTextsFontsAndColours) {
  struct Case {
    QLabel* label;
    const char* text;
    int pixelSize;
    bool bold;
    QColor color;
  };
  const Case cases[] = {
      {main->LabelPointJoueur1, "0", 13, true, QColor(255, 255, 0)},
      {main->LabelPointJoueur2, "0", 13, true, QColor(255, 255, 0)},
      {main->LabelCh1, "123", 11, false, QColor(255, 0, 0)},
      {main->LabelCh2, "456", 11, false, QColor(255, 0, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.label->text(), c.text) << c.label->objectName().toStdString();
    EXPECT_EQ(c.label->font().pixelSize(), c.pixelSize);
    EXPECT_EQ(c.label->font().bold(), c.bold);
    EXPECT_EQ(c.label->palette().color(QPalette::WindowText), c.color);
    EXPECT_EQ(c.label->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(c.label->autoFillBackground());
  }
}

TEST_F(MainWindow, OnlyGoAndTheDropDownsCarryHints) {
  const QString chooseHint = QString::fromUtf8(
      "Vous devez choisir trois chevaux différents, puis cliquer sur un des "
      "deux personnages");
  EXPECT_EQ(main->Go->toolTip(), "Cliquer pour faire partir les chevaux");
  for (QWidget* choice : {main->Choix1, main->Choix2, main->Choix3}) {
    EXPECT_EQ(choice->toolTip(), chooseHint);
    EXPECT_TRUE(choice->property("ShowHint").toBool());
  }
  EXPECT_TRUE(main->Go->property("ShowHint").toBool());
  for (QWidget* other :
       {static_cast<QWidget*>(main->StringGrid1), static_cast<QWidget*>(main->ValiderSelection)}) {
    EXPECT_FALSE(other->property("ShowHint").toBool());
  }
}

TEST_F(MainWindow, OpensOnANewGameWithTheTrackStillAndTheGentlemanMoving) {
  EXPECT_EQ(main->BackgroundBitmap.Width(), 800);
  EXPECT_EQ(main->BackgroundBitmap.Height(), 600);
  EXPECT_EQ(main->SceneBitmap.Image(), main->BackgroundBitmap.Image());
  EXPECT_FALSE(main->TimerMouvement->Active());
  EXPECT_FALSE(main->TimerAvancer->Active());
  EXPECT_TRUE(main->AnimateHomme->Active());
  EXPECT_TRUE(main->Game.BetsOpen());
  EXPECT_TRUE(main->PanelPropos->isVisibleTo(main.get()));
  const char* expected[2][3] = {{"1", "2", "3"}, {"4", "5", "6"}};
  for (int row = 0; row < 2; ++row)
    for (int col = 1; col <= 3; ++col)
      EXPECT_EQ(main->StringGrid1->Cell(col, row), expected[row][col - 1]) << col << "," << row;
}

TEST_F(MainWindow, EachFrameIsCutFromItsCellAndKeyedOnItsOwnCorner) {
  for (int h = 1; h <= HorseCount; ++h) {
    for (int f = 1; f <= GallopFrameCount; ++f) {
      const TBitmap& frame = main->HorseFrames[h][f];
      ASSERT_EQ(frame.Width(), SpriteWidth);
      ASSERT_EQ(frame.Height(), SpriteHeight);
      EXPECT_TRUE(frame.Transparent);
      EXPECT_EQ(frame.TransparentColor, frame.Pixel(1, 1));
      const QRect cell(SpriteWidth * (f - 1), SpriteHeight * (h - 1), SpriteWidth, SpriteHeight);
      EXPECT_EQ(frame.Image(), main->SpriteSheet.Image().copy(cell))
          << "horse " << h << " frame " << f;
    }
  }
}

TEST_F(MainWindow, DropDownsListTheNineHorsesWithTheirLastFrame) {
  for (TComboBox* choice : {main->Choix1, main->Choix2, main->Choix3}) {
    ASSERT_EQ(choice->count(), 9);
    for (int k = 1; k <= 9; ++k) {
      EXPECT_EQ(choice->itemText(k - 1), QString::number(k));
      EXPECT_EQ(choice->ItemPicture(k - 1), &main->HorseFrames[k][8]);
    }
    EXPECT_EQ(choice->currentIndex(), -1);
    EXPECT_EQ(choice->Text(), "");
  }
}

TEST_F(MainWindow, MenuHasItsCommandsInOrder) {
  const QList<QAction*> actions = main->PopupMenu1->actions();
  ASSERT_EQ(actions.size(), 6);
  const char* captions[] = {"Recommencer",   "Modifier les chevaux", "", "Jouer sons", "",
                            "Quitter le jeu"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(actions[i]->isSeparator(), captions[i][0] == '\0') << i;
    if (!actions[i]->isSeparator()) {
      EXPECT_EQ(actions[i]->text(), captions[i]);
    }
    EXPECT_TRUE(actions[i]->isEnabled());
  }
  EXPECT_TRUE(main->Jouersons1->isCheckable());
  EXPECT_TRUE(main->Jouersons1->isChecked());
}

TEST_F(MainWindow, TheCheckMarkShowsTheSoundSwitchThatEachClickFlips) {
  for (bool expected : {false, true}) {
    main->Jouersons1->trigger();
    EXPECT_EQ(main->Game.SoundsOn(), expected);
    EXPECT_EQ(main->Jouersons1->isChecked(), expected);
  }
  main->Jouersons1Click();
  EXPECT_FALSE(main->Game.SoundsOn());
  EXPECT_FALSE(main->Jouersons1->isChecked());
}

// "Modifier les chevaux" only shows the panel; "Recommencer" also shows the reset scores and
// grid, but the bet labels keep the last validated bets.
TEST_F(MainWindow, TheMenusBettingCommandsShowThePanelAndANewGame) {
  PlaceBet(0, 9, 8, 7);
  main->ValiderSelectionClick();
  main->Modifierlescheveaux1->trigger();
  EXPECT_TRUE(main->PanelPropos->isVisibleTo(main.get()));
  EXPECT_EQ(main->StringGrid1->Cell(1, 0), "9");
  EXPECT_EQ(main->LabelCh1->text(), "987");

  main->ValiderSelectionClick();
  main->LabelPointJoueur1->setText("12");
  main->Recommencer1->trigger();
  EXPECT_EQ(main->LabelPointJoueur1->text(), "0");
  EXPECT_EQ(main->LabelPointJoueur2->text(), "0");
  EXPECT_TRUE(main->PanelPropos->isVisibleTo(main.get()));
  EXPECT_EQ(main->StringGrid1->Cell(1, 0), "1");
  EXPECT_EQ(main->StringGrid1->Cell(3, 1), "6");
  EXPECT_EQ(main->LabelCh1->text(), "987");
}

TEST_F(MainWindow, DrawingShowsUntilARepaintBringsBackTheCleanTrack) {
  main->PanelPropos->hide();
  main->Canvas().Brush = TBrush{0x123456, TBrushStyle::Solid};
  main->Canvas().FillRect({100, 100, 200, 200});
  const QImage drawn = main->grab().toImage();
  EXPECT_EQ(drawn.pixelColor(150, 150), ColorToQColor(0x123456));
  EXPECT_EQ(drawn.pixel(150, 90), main->BackgroundBitmap.Image().pixel(150, 90));

  const QImage repainted = main->grab().toImage();
  EXPECT_EQ(repainted.pixel(150, 150), main->BackgroundBitmap.Image().pixel(150, 150));
}
