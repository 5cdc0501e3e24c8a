// The race: a click on Go starts it, the advance timer moves and ranks the horses, the animation
// timer draws them, and the tick in which the ninth horse arrives ends it.
#include <QAction>
#include <QLabel>

#include "game/UGaloppo.h"
#include "toolkit/Canvas.h"
#include "toolkit/Random.h"
#include "toolkit/Sound.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"

namespace {

TRect FrameRect(int horse) {
  return {HorseX[horse], HorseY[horse], HorseX[horse] + SpriteWidth, HorseY[horse] + SpriteHeight};
}

}  // namespace

void TMain::GoClick() {
  TCanvas(SceneBitmap).Draw(0, 0, BackgroundBitmap);
  ValiderSelection->click();
  Go->setEnabled(false);
  Modifierlescheveaux1->setEnabled(false);
  Recommencer1->setEnabled(false);
  ArrivalOrder.clear();
  AnimFrame = 1;
  Canvas().Draw(0, 0, BackgroundBitmap);
  // The start signal blocks the loop: the fresh track and labels must be on screen first.
  ShowDrawingNow();
  for (QLabel* label : {LabelPointJoueur1, LabelPointJoueur2, LabelCh1, LabelCh2}) {
    label->repaint();
  }
  if (Jouersons1->isChecked()) PlaySound(QStringLiteral("Feu"), SND_RESOURCE);
  if (Jouersons1->isChecked()) PlaySound(QStringLiteral("Bravo"), SND_RESOURCE | SND_ASYNC);
  NextRank = 1;
  for (int h = 1; h <= HorseCount; ++h) {
    HorseFinished[h] = false;
    HorseX[h] = -FrameWidth;
    HorseY[h] = (h - 1) * LaneHeight + FirstLaneTop;
    HorseRect[h] = FrameRect(h);
    PrevHorseRect[h] = HorseRect[h];
  }
  TimerMouvement->SetInterval(90);
  TimerAvancer->SetInterval(80);
  TellRaceStarted();
}

void TMain::TimerAvancerTimer() {
  for (int h = 1; h <= HorseCount; ++h) HorseX[h] += Random(9) + 1;
  for (int h = 1; h <= HorseCount; ++h) {
    if (HorseX[h] < FinishLine) continue;
    HorseX[h] = FinishLine + 10;
    if (HorseFinished[h]) continue;
    WriteRank(h);
    ArrivalOrder += QChar('0' + h);
    ++NextRank;
    HorseFinished[h] = true;
  }
  for (bool finished : HorseFinished) {
    if (!finished) return;
  }
  EndRace();
}

void TMain::WriteRank(int horse) {
  TCanvas& canvas = Canvas();
  canvas.Font.SetName(QStringLiteral("Arial"));
  canvas.Font.SetHeight(-11);  // 8 points at 96 dots per inch
  canvas.Font.SetBold(false);
  canvas.Font.SetColor(clYellow);
  canvas.Brush = TBrush{clGreen, TBrushStyle::Solid};
  canvas.TextOut(FinishLine + 70, HorseY[horse] + 32, QString::number(NextRank));
}

void TMain::EndRace() {
  Modifierlescheveaux1->setEnabled(true);
  Recommencer1->setEnabled(true);
  Go->setEnabled(true);
  TimerMouvement->SetInterval(0);
  TimerAvancer->SetInterval(0);
  if (Jouersons1->isChecked()) PlaySound(QStringLiteral("FIN"), SND_RESOURCE | SND_ASYNC);
  UpdateScores();
  AnnounceArrival();
}

void TMain::TimerMouvementTimer() {
  ++AnimFrame;
  if (AnimFrame == 9) AnimFrame = 1;
  TCanvas scene(SceneBitmap);
  for (int h = 1; h <= HorseCount; ++h) {
    scene.CopyRect(PrevHorseRect[h], BackgroundBitmap, PrevHorseRect[h]);
    HorseRect[h] = FrameRect(h);
    scene.Draw(HorseX[h], HorseY[h], HorseFrames[h][AnimFrame]);
    const TRect changed = UnionRect(PrevHorseRect[h], HorseRect[h]);
    if (!HorseFinished[h]) Canvas().CopyRect(changed, SceneBitmap, changed);
    PrevHorseRect[h] = HorseRect[h];
  }
}
