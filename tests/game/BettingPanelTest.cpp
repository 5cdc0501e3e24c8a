#include <QLabel>

#include "tests/game/GameFixture.h"
#include "toolkit/Canvas.h"
#include "toolkit/ComboBox.h"
#include "toolkit/StringGrid.h"

namespace {

class BettingPanel : public GameTest {
 protected:
  // A press in the middle of a cell of the grid.
  void Press(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    const TRect cell = main->StringGrid1->CellRect(col, row);
    main->StringGrid1MouseDown(button, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
  }
  QString Row(int row) {
    return main->StringGrid1->Cell(1, row) + "," + main->StringGrid1->Cell(2, row) + "," +
           main->StringGrid1->Cell(3, row);
  }
};

}  // namespace

TEST_F(BettingPanel, PortraitPressAssignsOnlyThreeDifferentChoices) {
  // Nothing chosen at start: three empty texts are equal.
  Press(0, 0);
  EXPECT_EQ(Row(0), "1,2,3");

  Choose(7, 7, 2);
  Press(0, 1);
  EXPECT_EQ(Row(1), "4,5,6");

  Choose(9, 8, 7);
  Press(1, 0);
  Press(3, 1);
  EXPECT_EQ(Row(0), "1,2,3");
  EXPECT_EQ(Row(1), "4,5,6");

  Press(0, 0);
  EXPECT_EQ(Row(0), "9,8,7");
  EXPECT_EQ(Row(1), "4,5,6");

  Choose(2, 4, 6);
  Press(0, 1, Qt::RightButton);
  EXPECT_EQ(Row(1), "2,4,6");
  Choose(3, 5, 1);
  Press(0, 1, Qt::MiddleButton);
  EXPECT_EQ(Row(1), "3,5,1");

  // Off the cells: ignored.
  main->StringGrid1MouseDown(Qt::LeftButton, -5, -5);
  EXPECT_EQ(Row(0), "9,8,7");
  EXPECT_EQ(main->LabelCh1->text(), "123");
  EXPECT_TRUE(main->PanelPropos->isVisibleTo(main.get()));
}

// With one drop-down empty the bet has two horses: the emptied cell is cleared so that the
// screen matches it, and the bar validates it as it stands and hides the panel.
TEST_F(BettingPanel, OneEmptyDropDownGivesATwoHorseBetThatTheBarValidates) {
  TStringGrid& grid = *main->StringGrid1;
  main->Choix1->setCurrentIndex(4);
  main->Choix3->setCurrentIndex(6);
  Press(0, 0);
  EXPECT_EQ(Row(0), "5,,7");
  const TRect cell = grid.CellRect(2, 0);
  const QPoint middle = grid.contentsRect().topLeft() + QPoint(cell.Left + 36, cell.Top + 30);
  EXPECT_EQ(grid.grab().toImage().pixelColor(middle), QColor(Qt::black));
  main->ValiderSelection->click();
  EXPECT_EQ(main->LabelCh1->text(), "57");
  EXPECT_EQ(main->LabelCh2->text(), "456");
  EXPECT_FALSE(main->PanelPropos->isVisibleTo(main.get()));
}

TEST_F(BettingPanel, CellPainterStretchesPortraitsAndFirstFrames) {
  TStringGrid& grid = *main->StringGrid1;
  struct Case {
    int col, row;
    const TBitmap* source;
    int sourceLeft;
  };
  const Case cases[] = {
      {0, 0, &main->PortraitSheet, 0},
      {0, 1, &main->PortraitSheet, SpriteWidth},
      {1, 0, &main->HorseFrames[1][1], 0},
      {3, 1, &main->HorseFrames[6][1], 0},
  };
  for (const Case& c : cases) {
    const TRect cell = grid.CellRect(c.col, c.row);
    ASSERT_EQ(cell.Width(), SpriteWidth);
    ASSERT_EQ(cell.Height(), GridRowHeight);
    // The reference: the same picture stretched by the canvas from 60 to 62 rows.
    TBitmap expected(SpriteWidth, GridRowHeight);
    TCanvas(expected).CopyRect({0, 0, SpriteWidth, GridRowHeight}, *c.source,
                               {c.sourceLeft, 0, c.sourceLeft + SpriteWidth, SpriteHeight});
    const QImage shown = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(cell.ToQRect().translated(grid.contentsRect().topLeft())),
              expected.Image())
        << c.col << "," << c.row;
  }
}
