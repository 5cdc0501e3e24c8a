// The betting panel: the horse drop-downs, the bet grid and the validate command.
#include <QLabel>

#include "game/UGaloppo.h"
#include "toolkit/Canvas.h"
#include "toolkit/ComboBox.h"
#include "toolkit/StringGrid.h"

void TMain::DrawHorseItem(TComboBox& comboBox, int index, const TRect& rect) {
  const TBitmap* itemBitmap = comboBox.ItemPicture(index);
  TCanvas& canvas = comboBox.Canvas();
  if (itemBitmap) {
    canvas.CopyRect({rect.Left, rect.Top, rect.Left + SpriteWidth, rect.Top + SpriteHeight},
                    *itemBitmap, {0, 0, SpriteWidth, SpriteHeight});
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

// Row 0 is player 1, row 1 player 2: his portrait, then his horses' first gallop frames.
void TMain::StringGrid1DrawCell(int col, int row, const TRect& rect) {
  const TBitmap* source = nullptr;
  TRect from{0, 0, SpriteWidth, SpriteHeight};
  if (col == 0) {
    source = &PortraitSheet;
    from = {row * SpriteWidth, 0, (row + 1) * SpriteWidth, SpriteHeight};
  } else if (const QString horse = Game.Bet(row + 1)[col - 1]; !horse.isEmpty()) {
    source = &HorseFrames[horse.toInt()][1];
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
  const int player = row + 1;
  if (!Game.SetBet(player, {Choix1->Text(), Choix2->Text(), Choix3->Text()})) {
    return TellBetRefused();
  }
  TellBet(player);
}

void TMain::ShowBet(int player) {
  for (int col = 1; col <= 3; ++col) {
    StringGrid1->SetCell(col, player - 1, Game.Bet(player)[col - 1]);
  }
}

void TMain::ShowValidatedBets() {
  LabelCh1->setText(Game.ValidatedBet(1));
  LabelCh2->setText(Game.ValidatedBet(2));
}

void TMain::ValiderSelectionClick() {
  Game.ValidateBets();
}
