#include "toolkit/ComboBox.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <vector>

namespace {

constexpr TColor DarkGreen = 0x004800;

struct TCall {
  int index;
  TRect rect;
  TColor brush;
  TBrushStyle brushStyle;
  TColor fontColor;
};

// Nine items "1".."9", each with a 73x60 picture of its own colour, as the betting panel has them.
class ComboFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int k = 0; k < 9; ++k) {
      pictures.emplace_back(73, 60);
      pictures.back().Image().fill(ColorToQColor(0x101010u * TColor(k + 1)));
    }
    for (int k = 0; k < 9; ++k) combo.AddItem(QString::number(k + 1), &pictures[k]);
    combo.SetColor(DarkGreen);
    combo.SetItemHeight(56);
    combo.resize(97, 62);
    combo.OnDrawItem = [this](int index, const TRect& rect) {
      TCanvas& canvas = combo.Canvas();
      calls.push_back({index, rect, canvas.Brush.Color, canvas.Brush.Style, canvas.Font.Color()});
      // What the game's painter does: the picture at the top-left, 4 rows taller than the item.
      const TBitmap* picture = combo.ItemPicture(index);
      if (picture)
        canvas.CopyRect({rect.Left, rect.Top, rect.Left + 73, rect.Top + 60}, *picture,
                        {0, 0, 73, 60});
    };
  }

  // Paints item `index` the way the opened list does, onto a 97x56 image.
  QImage PaintListItem(int index, QStyle::State state) {
    QImage image(97, 56, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = state;
    QPainter painter(&image);
    combo.itemDelegate()->paint(&painter, option, combo.model()->index(index, 0));
    return image;
  }

  std::vector<TBitmap> pictures;
  TComboBox combo;
  std::vector<TCall> calls;
};

TColor At(const QImage& image, int x, int y) {
  return QColorToColor(image.pixelColor(x, y));
}

TEST_F(ComboFixture, StartsWithNothingChosenAndChoosesOnlyFromTheList) {
  EXPECT_EQ(combo.currentIndex(), -1);
  EXPECT_EQ(combo.Text(), "");
  EXPECT_FALSE(combo.isEditable());
  EXPECT_EQ(combo.lineEdit(), nullptr);
  EXPECT_EQ(combo.count(), 9);
  EXPECT_EQ(combo.cursor().shape(), Qt::PointingHandCursor);

  const struct {
    int chosen;
    QString text;
  } cases[] = {{3, "4"}, {0, "1"}, {8, "9"}};
  for (const auto& c : cases) {
    combo.setCurrentIndex(c.chosen);
    EXPECT_EQ(combo.Text(), c.text);
  }
  EXPECT_EQ(combo.ItemPicture(8), &pictures[8]);
  EXPECT_EQ(combo.ItemPicture(-1), nullptr);
  EXPECT_EQ(combo.ItemPicture(9), nullptr);
}

TEST_F(ComboFixture, OpenedListShowsFiveItemsAndScrollsThroughNine) {
  combo.show();
  combo.showPopup();
  QAbstractItemView* list = combo.view();
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->viewport()->height(), 5 * 56);
  EXPECT_LE(list->window()->height(), 5 * 56 + 8) << "only a frame around the five items";
  EXPECT_GE(list->viewport()->width(), 73) << "a whole picture fits beside the scroll bar";
  EXPECT_GT(list->verticalScrollBar()->maximum(), 0);

  calls.clear();
  const QImage shown = list->viewport()->grab().toImage();
  ASSERT_EQ(calls.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(calls[i].index, i);
    EXPECT_EQ(calls[i].rect, (TRect{0, 0, list->viewport()->width(), 56})) << i;
  }
  // Each item shows its own picture; the 4 rows below the item belong to the next one.
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(At(shown, 10, i * 56 + 2), pictures[i].Pixel(10, 2)) << i;
    EXPECT_EQ(At(shown, 10, i * 56 + 55), pictures[i].Pixel(10, 55)) << i;
  }
  combo.hidePopup();
}

TEST_F(ComboFixture, PainterGetsTheItemBackgroundOrTheSelectionColours) {
  const TColor selection = QColorToColor(combo.palette().color(QPalette::Highlight));
  const TColor selectionText = QColorToColor(combo.palette().color(QPalette::HighlightedText));
  ASSERT_NE(selection, DarkGreen);
  const struct {
    QStyle::State state;
    TColor brush;
    bool fontIsSelectionText;
  } cases[] = {
      {QStyle::State_Enabled, DarkGreen, false},
      {QStyle::State_Enabled | QStyle::State_Selected, selection, true},
      // After a highlighted item the next plain one must not inherit its colours.
      {QStyle::State_Enabled, DarkGreen, false},
  };
  for (const auto& c : cases) {
    calls.clear();
    const QImage image = PaintListItem(2, c.state);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].index, 2);
    EXPECT_EQ(calls[0].rect, (TRect{0, 0, 97, 56}));
    EXPECT_EQ(calls[0].brush, c.brush);
    EXPECT_EQ(calls[0].brushStyle, TBrushStyle::Solid);
    EXPECT_EQ(calls[0].fontColor == selectionText, c.fontIsSelectionText);
    // Right of the picture the item keeps the list's background, highlighted or not.
    EXPECT_EQ(At(image, 90, 30), DarkGreen);
  }
}

TEST_F(ComboFixture, PictureTallerThanTheItemStaysInsideIt) {
  combo.OnDrawItem = [this](int, const TRect& rect) {
    combo.Canvas().Brush.Color = clRed;
    combo.Canvas().FillRect({rect.Left, rect.Top, rect.Left + 73, rect.Top + 60});
  };
  QImage image(97, 112, QImage::Format_RGB32);
  image.fill(Qt::blue);
  {
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.state = QStyle::State_Enabled;
    option.rect = QRect(0, 0, 97, 56);
    combo.itemDelegate()->paint(&painter, option, combo.model()->index(0, 0));
  }
  EXPECT_EQ(At(image, 10, 55), clRed);
  EXPECT_EQ(At(image, 10, 56), 0xFF0000u) << "the item below was stained";
}

TEST_F(ComboFixture, FocusedItemGetsADottedMarkAfterThePainter) {
  combo.OnDrawItem = [this](int, const TRect& rect) {
    combo.Canvas().Brush.Color = clBlack;
    combo.Canvas().FillRect(rect);
  };
  const QImage plain = PaintListItem(0, QStyle::State_Enabled);
  const QImage focused = PaintListItem(0, QStyle::State_Enabled | QStyle::State_HasFocus);
  EXPECT_EQ(At(plain, 0, 0), clBlack);
  EXPECT_EQ(At(focused, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(At(focused, 1, 0), clBlack) << "dotted, not solid";
  EXPECT_EQ(At(focused, 96, 55), clBlack);  // (96 + 55) is odd
  EXPECT_EQ(At(focused, 96, 54), 0xFFFFFFu);
  EXPECT_EQ(At(focused, 40, 30), clBlack) << "only the outline";
}

TEST_F(ComboFixture, ClosedFaceIsPlainWhileNothingIsChosen) {
  calls.clear();
  const QImage face = combo.grab().toImage();
  EXPECT_TRUE(calls.empty());
  for (const QPoint p : {QPoint(1, 1), QPoint(40, 30), QPoint(72, 59), QPoint(79, 60)}) {
    EXPECT_EQ(At(face, p.x(), p.y()), DarkGreen) << p.x() << "," << p.y();
  }
}

TEST_F(ComboFixture, ClosedFaceShowsTheChosenItemAsTheListDrawsIt) {
  combo.setCurrentIndex(4);
  calls.clear();
  const QImage face = combo.grab().toImage();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].index, 4);
  EXPECT_EQ(calls[0].rect.Left, 0);
  EXPECT_EQ(calls[0].rect.Top, 0);
  EXPECT_GE(calls[0].rect.Width(), 73);
  EXPECT_GE(calls[0].rect.Height(), 56);
  EXPECT_EQ(calls[0].brush, DarkGreen);
  // The whole 73x60 picture shows just inside the border, the rest stays dark green.
  const TColor picture = pictures[4].Pixel(0, 0);
  EXPECT_EQ(At(face, 1, 1), picture);
  EXPECT_EQ(At(face, 73, 60), picture);
  EXPECT_EQ(At(face, 74, 30), DarkGreen);
  EXPECT_EQ(At(face, 1, 61), clBlack) << "flat border";
}

}  // namespace
