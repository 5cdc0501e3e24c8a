#include "toolkit/StringGrid.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/EToolkitError.h"

namespace {

struct TDrawCall {
  int col;
  int row;
  TRect rect;
};

// The grid as the betting panel has it: 296x129 with a 2-pixel frame around 4x2 cells of 73x62.
class GridFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetGridSize(4, 2, 73, 62);
    grid.resize(296, 129);
    grid.OnDrawCell = [this](int col, int row, const TRect& rect) {
      draws.push_back({col, row, rect});
      if (fill) {
        grid.Canvas().Brush.Color = *fill;
        grid.Canvas().FillRect({rect.Left - 5, rect.Top - 5, rect.Right + 5, rect.Bottom + 5});
      }
    };
  }

  // The colour of a client pixel on the grabbed widget.
  TColor Shown(int x, int y) {
    return QColorToColor(grid.grab().toImage().pixelColor(x + 2, y + 2));
  }

  TStringGrid grid;
  std::vector<TDrawCall> draws;
  std::optional<TColor> fill;
};

TEST_F(GridFixture, HasFourByTwoCellsSeparatedOnlyBetweenRows) {
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Surface().size(), QSize(292, 125));
  EXPECT_EQ(grid.contentsRect(), QRect(2, 2, 292, 125));
  EXPECT_EQ(grid.sizeHint(), QSize(296, 129));
  EXPECT_EQ(grid.cursor().shape(), Qt::PointingHandCursor);

  const struct {
    int col, row;
    TRect rect;
  } cases[] = {
      {0, 0, {0, 0, 73, 62}},
      {1, 0, {73, 0, 146, 62}},
      {3, 0, {219, 0, 292, 62}},
      {0, 1, {0, 63, 73, 125}},
      {3, 1, {219, 63, 292, 125}},
      {4, 0, {}},
      {0, 2, {}},
      {-1, 0, {}},
      {0, -1, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(grid.CellRect(c.col, c.row), c.rect) << c.col << c.row;
}

TEST_F(GridFixture, MouseToCellGivesNoCellOffTheCellsAndOnTheLine) {
  const struct {
    int x, y, col, row;
  } cases[] = {
      {0, 0, 0, 0},     {72, 61, 0, 0},    {73, 0, 1, 0},      {145, 30, 1, 0},
      {291, 0, 3, 0},   {0, 63, 0, 1},     {291, 124, 3, 1},   {219, 100, 3, 1},
      {10, 62, -1, -1}, {291, 62, -1, -1}, {292, 0, -1, -1},   {0, 125, -1, -1},
      {-1, 0, -1, -1},  {0, -1, -1, -1},   {-73, -62, -1, -1}, {500, 500, -1, -1},
  };
  for (const auto& c : cases) {
    int col = 99, row = 99;
    grid.MouseToCell(c.x, c.y, col, row);
    EXPECT_EQ(col, c.col) << c.x << "," << c.y;
    EXPECT_EQ(row, c.row) << c.x << "," << c.y;
  }
}

TEST_F(GridFixture, StartsBlackWithASilverLineBetweenTheRows) {
  const QImage shown = grid.grab().toImage();
  const struct {
    int x, y;
    TColor color;
  } cases[] = {
      {0, 0, clBlack},    {72, 61, clBlack},   {73, 30, clBlack},   {291, 124, clBlack},
      {0, 62, clSilver},  {150, 62, clSilver}, {291, 62, clSilver}, {0, 63, clBlack},
      {146, 61, clBlack}, {219, 63, clBlack},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QColorToColor(shown.pixelColor(c.x + 2, c.y + 2)), c.color) << c.x << "," << c.y;
  }
}

TEST_F(GridFixture, WritingACellPaintsThatCellOnly) {
  fill = clRed;
  grid.SetCell(2, 1, "7");
  EXPECT_EQ(grid.Cell(2, 1), "7");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].col, 2);
  EXPECT_EQ(draws[0].row, 1);
  EXPECT_EQ(draws[0].rect, grid.CellRect(2, 1));

  // The painter's overreach is cut at the cell: neighbours and the line stay as they were.
  const QImage shown = grid.grab().toImage();
  auto at = [&shown](int x, int y) { return QColorToColor(shown.pixelColor(x + 2, y + 2)); };
  EXPECT_EQ(at(146, 63), clRed);
  EXPECT_EQ(at(218, 124), clRed);
  EXPECT_EQ(at(145, 100), clBlack);
  EXPECT_EQ(at(219, 100), clBlack);
  EXPECT_EQ(at(150, 62), clSilver);
}

TEST_F(GridFixture, WritingOutsideTheGridIsIgnored) {
  for (const QPoint cell : {QPoint(4, 0), QPoint(0, 2), QPoint(-1, 0), QPoint(0, -1)}) {
    grid.SetCell(cell.x(), cell.y(), "J1");
    EXPECT_EQ(grid.Cell(cell.x(), cell.y()), "");
  }
  EXPECT_TRUE(draws.empty());
}

TEST_F(GridFixture, RepaintShowsTheSurfaceWithoutCallingThePainter) {
  fill = clGreen;
  grid.SetCell(0, 0, "J1");
  fill.reset();
  draws.clear();
  grid.repaint();
  EXPECT_EQ(Shown(10, 10), clGreen);
  EXPECT_TRUE(draws.empty());
}

TEST_F(GridFixture, CellWhoseTextChangesIsClearedBeforeThePainter) {
  fill = clGreen;
  grid.SetCell(1, 0, "4");
  // The painter draws nothing for an empty cell: the old horse must not stay on show.
  fill.reset();
  grid.SetCell(1, 0, "");
  EXPECT_EQ(Shown(80, 10), clBlack);
  EXPECT_EQ(draws.size(), 2u);

  // Writing the same text again leaves what the painter drew last.
  fill = clGreen;
  grid.SetCell(2, 0, "5");
  fill.reset();
  grid.SetCell(2, 0, "5");
  EXPECT_EQ(Shown(150, 10), clGreen);
}

TEST_F(GridFixture, PainterErrorGoesToTheErrorDialogAndTheGridGoesOn) {
  std::vector<std::string> errors;
  Application->OnException = [&errors](const std::exception& e) { errors.push_back(e.what()); };
  grid.OnDrawCell = [](int, int, const TRect&) { throw EToolkitError("missing picture"); };
  grid.SetCell(1, 1, "3");
  Application->OnException = nullptr;
  EXPECT_EQ(errors, std::vector<std::string>{"missing picture"});
  EXPECT_EQ(grid.Cell(1, 1), "3");

  // No clip is left behind: the canvas still reaches the whole surface.
  grid.Canvas().Brush.Color = clYellow;
  grid.Canvas().FillRect({0, 0, 292, 125});
  EXPECT_EQ(Shown(10, 10), clYellow);
}

TEST_F(GridFixture, EveryButtonPressReachesOnMouseDownInClientCoordinates) {
  std::vector<std::tuple<Qt::MouseButton, int, int>> presses;
  grid.OnMouseDown = [&presses](Qt::MouseButton button, int x, int y) {
    presses.emplace_back(button, x, y);
  };
  const struct {
    Qt::MouseButton button;
    QPoint at;  // widget coordinates
    bool reported;
  } cases[] = {
      {Qt::LeftButton, {12, 20}, true},     {Qt::RightButton, {2, 2}, true},
      {Qt::MiddleButton, {293, 126}, true}, {Qt::LeftButton, {0, 0}, false},
      {Qt::RightButton, {295, 60}, false},
  };
  for (const auto& c : cases) {
    presses.clear();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(c.at), grid.mapToGlobal(QPointF(c.at)),
                      c.button, c.button, Qt::NoModifier);
    QCoreApplication::sendEvent(&grid, &press);
    if (!c.reported) {
      EXPECT_TRUE(presses.empty()) << "press on the frame at " << c.at.x();
      continue;
    }
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0], std::make_tuple(c.button, c.at.x() - 2, c.at.y() - 2));
  }
}

// Records whether a context-menu request reached it.
class TMenuOwner : public QWidget {
 public:
  bool asked = false;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override {
    asked = true;
    event->accept();
  }
};

TEST(StringGrid, RightPressDoesNotAlsoOpenTheParentsMenu) {
  const struct {
    bool grid;
    bool parentAsked;
  } cases[] = {{false, true}, {true, false}};
  for (const auto& c : cases) {
    TMenuOwner owner;
    QWidget* child = c.grid ? new TStringGrid(&owner) : new QWidget(&owner);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(20, 20), QPoint(20, 20));
    QCoreApplication::sendEvent(child, &menu);
    EXPECT_EQ(owner.asked, c.parentAsked) << (c.grid ? "grid" : "plain child");
  }
}

TEST_F(GridFixture, ResizingKeepsTheTextsThatStillFitAndRefusesNonsense) {
  grid.SetCell(0, 0, "J1");
  grid.SetCell(3, 1, "6");
  grid.SetCell(1, 1, "5");
  grid.SetGridSize(2, 2, 50, 40);
  EXPECT_EQ(grid.Cell(0, 0), "J1");
  EXPECT_EQ(grid.Cell(1, 1), "5");
  EXPECT_EQ(grid.Cell(3, 1), "");
  EXPECT_EQ(grid.Surface().size(), QSize(100, 81));

  grid.SetGridSize(-3, -1, 0, -5);
  EXPECT_EQ(grid.ColCount(), 0);
  EXPECT_EQ(grid.RowCount(), 0);
  int col = 0, row = 0;
  grid.MouseToCell(0, 0, col, row);
  EXPECT_EQ(col, -1);
  grid.SetCell(0, 0, "x");
  EXPECT_EQ(grid.Cell(0, 0), "");
}

}  // namespace
