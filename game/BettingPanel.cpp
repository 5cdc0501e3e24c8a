// The betting panel: the horse drop-downs, the bet grid and the validate command.
#include <QLabel>

#include "game/UGaloppo.h"
#include "toolkit/Canvas.h"
#include "toolkit/ComboBox.h"
#include "toolkit/StringGrid.h"

void TMain::DrawHorseItem(TComboBox& comboBox, int index, const TRect& rect) {
  ItemBitmap = comboBox.ItemPicture(index);
  TCanvas& canvas = comboBox.Canvas();
  if (ItemBitmap) {
    canvas.CopyRect({rect.Left, rect.Top, rect.Left + FrameWidth, rect.Top + FrameHeight},
                    *ItemBitmap, {0, 0, FrameWidth, FrameHeight});
  }
  canvas.Font.SetColor(clYellow);
  canvas.TextOut(rect.Left, rect.Top, comboBox.itemText(index));
}

void TMain::Choix1DrawItem(int index, const TRect& rect) {
  DrawHorseItem(*Choix1, index, rect);
}

void TMain::Choix2DrawItem(int index, const TRect& rect) {
  DrawHorseItem(*Choix2, index, rect);
}

void TMain::Choix3DrawItem(int index, const TRect& rect) {
  DrawHorseItem(*Choix3, index, rect);
}

void TMain::StringGrid1DrawCell(int col, int row, const TRect& rect) {
  const QString text = StringGrid1->Cell(col, row);
  const TBitmap* source = nullptr;
  TRect from{0, 0, FrameWidth, FrameHeight};
  if (text == QLatin1String("J1")) {
    source = &PortraitSheet;
  } else if (text == QLatin1String("J2")) {
    source = &PortraitSheet;
    from = {FrameWidth, 0, 2 * FrameWidth, FrameHeight};
  } else if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') {
    source = &HorseFrames[text[0].digitValue()][1];
  }
  if (source) StringGrid1->Canvas().CopyRect(rect, *source, from);
}

void TMain::StringGrid1MouseDown(Qt::MouseButton, int x, int y) {
  int col = -1;
  int row = -1;
  StringGrid1->MouseToCell(x, y, col, row);
  PressGridCell(col, row);
}

void TMain::PressGridCell(int col, int row) {
  if (col != 0) return;
  const QString t1 = Choix1->Text();
  const QString t2 = Choix2->Text();
  const QString t3 = Choix3->Text();
  if (t1 == t2 || t2 == t3 || t1 == t3) return TellBetRefused();
  StringGrid1->SetCell(1, row, t1);
  StringGrid1->SetCell(2, row, t2);
  StringGrid1->SetCell(3, row, t3);
  TellBet(row);
}

QString TMain::PlayerBet(int row) const {
  return StringGrid1->Cell(1, row) + StringGrid1->Cell(2, row) + StringGrid1->Cell(3, row);
}

void TMain::ValiderSelectionClick() {
  LabelCh1->setText(PlayerBet(0));
  LabelCh2->setText(PlayerBet(1));
  if (PanelPropos->isHidden()) return;
  const bool focusInPanel = PanelPropos->isAncestorOf(focusWidget());
  PanelPropos->hide();
  // The keyboard goes on from the pistol, the next step of the round.
  if (focusInPanel) Go->setFocus();
  TellBetsValidated();
}
