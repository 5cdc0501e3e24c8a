#include "toolkit/ComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "toolkit/ComboBoxAccessible.h"
#include "toolkit/Density.h"
#include "toolkit/FocusCues.h"
#include "toolkit/RunGuarded.h"

// Lets the opened list paint its items through the drop-down's item painter.
class TComboBoxDelegate : public QStyledItemDelegate {
 public:
  explicit TComboBoxDelegate(TComboBox* combo) : QStyledItemDelegate(combo), combo_(combo) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    combo_->PaintItem(*painter, option.rect, index.row(),
                      option.state.testFlag(QStyle::State_Selected),
                      option.state.testFlag(QStyle::State_HasFocus));
  }

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    // The width is left to the list, which is at least as wide as the closed box.
    return QSize(1, combo_->ItemHeight());
  }

 private:
  TComboBox* combo_;
};

namespace {

constexpr int VisibleItems = 5;

// Some styles (Fusion among them) open a non-editable combo box as a menu holding every item;
// the drop-down must open as a list of five items that scrolls.
class TListPopupStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// One for all drop-downs, owned by the application so it outlives every widget using it.
QStyle* ListPopupStyle() {
  static QPointer<TListPopupStyle> style;
  if (!style) {
    style = new TListPopupStyle;
    style->setParent(QApplication::instance());
  }
  return style;
}

}  // namespace

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent), canvas_(itemImage_) {
  setStyle(ListPopupStyle());
  FocusCues::Watch();
  setEditable(false);
  setMaxVisibleItems(VisibleItems);
  setItemDelegate(new TComboBoxDelegate(this));
  setCursor(Qt::PointingHandCursor);
  view()->setCursor(Qt::PointingHandCursor);
  view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ApplyColor();
  InstallComboBoxAccessibility();
  connect(this, &QComboBox::currentIndexChanged, this, [this] { TellChoiceChanged(*this); });
}

void TComboBox::AddItem(const QString& text, const TBitmap* picture) {
  // QComboBox chooses the first item added to an empty list; here only the user chooses.
  const bool nothingChosen = currentIndex() < 0;
  {
    const QSignalBlocker blocker(this);
    addItem(text, QVariant::fromValue(reinterpret_cast<quintptr>(picture)));
    if (nothingChosen) setCurrentIndex(-1);
  }
  update();
}

const TBitmap* TComboBox::ItemPicture(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return reinterpret_cast<const TBitmap*>(itemData(index).value<quintptr>());
}

QString TComboBox::Text() const {
  return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void TComboBox::SetColor(TColor color) {
  color_ = color;
  ApplyColor();
  update();
  view()->viewport()->update();
}

void TComboBox::SetItemHeight(int height) {
  itemHeight_ = std::max(1, height);
  view()->doItemsLayout();
  updateGeometry();
  update();
}

void TComboBox::ApplyColor() {
  // What the list shows around and below its items.
  QPalette listPalette = view()->palette();
  listPalette.setColor(QPalette::Base, ColorToQColor(color_));
  view()->setPalette(listPalette);
}

void TComboBox::PrepareCanvas(bool highlighted) {
  canvas_.SetClip(QRegion());
  canvas_.Brush.Style = TBrushStyle::Solid;
  canvas_.Font.Assign(TFont::FromQFont(font(), QColorToColor(palette().color(QPalette::Text))));
  if (highlighted) {
    canvas_.Brush.Color = QColorToColor(palette().color(QPalette::Highlight));
    canvas_.Font.SetColor(QColorToColor(palette().color(QPalette::HighlightedText)));
  } else {
    canvas_.Brush.Color = color_;
  }
}

void TComboBox::PaintItem(QPainter& painter, const QRect& target, int index, bool highlighted,
                          bool focused) {
  if (target.isEmpty()) return;
  // Each item gets an image of its own size: a picture taller than the item stays inside it.
  // The image has the screen's density, so its text is drawn at the screen's resolution.
  itemImage_ = DenseImage(target.size(), painter.device()->devicePixelRatioF());
  itemImage_.fill(ColorToQColor(color_));
  const TRect rect{0, 0, target.width(), target.height()};
  PrepareCanvas(highlighted);
  if (OnDrawItem) RunGuarded([&] { OnDrawItem(index, rect); });
  if (focused) FocusCues::InvertDottedOutline(itemImage_, itemImage_.rect());
  painter.drawImage(target.topLeft(), itemImage_);
}

void TComboBox::contextMenuEvent(QContextMenuEvent* event) {
  // No text to edit, so no menu of its own: the window's menu opens, as over any other control.
  event->ignore();
}

void TComboBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outline = rect().adjusted(0, 0, -1, -1);
  // Flat: a single dark line, no 3-D edges.
  painter.setPen(ColorToQColor(clBlack));
  painter.drawRect(outline);

  const QRect inside = rect().adjusted(1, 1, -1, -1);
  const QRect face(inside.left(), inside.top(), std::max(0, inside.width() - ArrowWidth),
                   inside.height());
  const QRect arrowArea(face.right() + 1, inside.top(), inside.width() - face.width(),
                        inside.height());
  painter.fillRect(arrowArea, ColorToQColor(color_));
  const QPoint centre = arrowArea.center();
  const QPoint arrow[] = {centre + QPoint(-4, -2), centre + QPoint(4, -2), centre + QPoint(0, 2)};
  painter.setPen(Qt::NoPen);
  painter.setBrush(ColorToQColor(isEnabled() ? clSilver : 0x808080));
  painter.drawPolygon(arrow, 3);

  if (currentIndex() < 0) {
    QImage empty(face.size(), QImage::Format_RGB32);
    empty.fill(ColorToQColor(color_));
    // An empty face shows the keyboard's focus too, or Tab would seem to go nowhere.
    if (FocusCues::Shown(*this)) FocusCues::InvertDottedOutline(empty, empty.rect());
    painter.drawImage(face.topLeft(), empty);
    return;
  }
  PaintItem(painter, face, currentIndex(), false, hasFocus());
}
