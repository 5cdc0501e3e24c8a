#pragma once

#include <QComboBox>
#include <QImage>
#include <QString>
#include <functional>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Graphics.h"

// An owner-drawn drop-down list: a choice is made only from the list, and both the list items and
// the closed face are painted by OnDrawItem. Nothing is chosen until the user chooses.
class TComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TComboBox(QWidget* parent = nullptr);

  // Paints item `index` into `rect`, in the coordinates of Canvas()'s image. Called for each
  // visible item of the opened list and for the closed face when an item is chosen. The image
  // holds only that item (or the face), so drawing beyond `rect` is cut off there.
  std::function<void(int index, const TRect& rect)> OnDrawItem;

  // The drawing surface during an OnDrawItem call. Before the call the brush is solid in Color()
  // (the selection colour for the highlighted item, whose font then has the selection text
  // colour) and the font is the drop-down's; after it a focused item gets a dotted focus mark.
  TCanvas& Canvas() { return canvas_; }

  // What screen readers call item `index`; its text unless the owner names it.
  std::function<QString(int index)> OnItemName;
  QString ItemName(int index) const { return OnItemName ? OnItemName(index) : itemText(index); }

  // The picture is not owned: it must outlive the item.
  void AddItem(const QString& text, const TBitmap* picture);
  // Null for an item without a picture or an index outside the list.
  const TBitmap* ItemPicture(int index) const;
  // The chosen item's text, "" while nothing is chosen.
  QString Text() const;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);

  // Width kept free at the right of the face for the drop-down arrow.
  static constexpr int ArrowWidth = 16;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class TComboBoxDelegate;

  // Paints one item through OnDrawItem into `target` of whatever `painter` paints on.
  void PaintItem(QPainter& painter, const QRect& target, int index, bool highlighted, bool focused);
  void PrepareCanvas(bool highlighted);
  void ApplyColor();

  // A plain white list of one-line items until the owner sets its own.
  TColor color_ = clWhite;
  int itemHeight_ = fontMetrics().height();
  QImage itemImage_;
  TCanvas canvas_;
};
