// The race on the window: a click on Go starts it, the advance timer runs the game's tick, the
// animation timer draws the horses, and the game's end of the race stops both.
#include <QLabel>

#include "game/UGaloppo.h"
#include "toolkit/Canvas.h"
#include "toolkit/Sound.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"

namespace {

TRect FrameRect(const TGame& game, int horse) {
  const int32_t x = game.HorseX(horse);
  const int32_t y = game.HorseY(horse);
  return {x, y, x + SpriteWidth, y + SpriteHeight};
}

}  // namespace

void TMain::GoClick() {
  // The start validates the bets, and the game refuses it while the horses run.
  if (!Game.StartRace()) return;
  TCanvas(SceneBitmap).Draw(0, 0, BackgroundBitmap);
  Canvas().Draw(0, 0, BackgroundBitmap);
  // The start signal blocks the loop: the fresh track and labels must be on screen first.
  ShowDrawingNow();
  for (QLabel* label : {LabelPointJoueur1, LabelPointJoueur2, LabelCh1, LabelCh2}) {
    label->repaint();
  }
  PlaySoundIfOn(QStringLiteral("Feu"), SND_RESOURCE);
  PlaySoundIfOn(QStringLiteral("Bravo"), SND_RESOURCE | SND_ASYNC);
  for (int h = 1; h <= HorseCount; ++h) {
    HorseRect[h] = FrameRect(Game, h);
    PrevHorseRect[h] = HorseRect[h];
  }
  TimerMouvement->SetInterval(90);
  TimerAvancer->SetInterval(80);
  TellRaceStarted();
}

void TMain::PlaySoundIfOn(const QString& name, uint32_t flags) {
  if (Game.SoundsOn()) PlaySound(name, flags);
}

void TMain::TimerAvancerTimer() {
  Game.AdvanceTick();
}

void TMain::WriteRank(int horse, int32_t rank) {
  TCanvas& canvas = Canvas();
  canvas.Font.SetName(QStringLiteral("Arial"));
  canvas.Font.SetHeight(-11);  // 8 points at 96 dots per inch
  canvas.Font.SetBold(false);
  canvas.Font.SetColor(clYellow);
  canvas.Brush = TBrush{clGreen, TBrushStyle::Solid};
  canvas.TextOut(FinishLine + 70, Game.HorseY(horse) + 32, QString::number(rank));
}

void TMain::EndRace() {
  TimerMouvement->SetInterval(0);
  TimerAvancer->SetInterval(0);
  PlaySoundIfOn(QStringLiteral("FIN"), SND_RESOURCE | SND_ASYNC);
  AnnounceArrival();
  // The keyboard goes on from the pistol, the next step of the round. After the arrival, so that
  // a screen reader names the pistol once the arrival is said; not in a window the player has
  // left for another.
  if (isActiveWindow()) Go->setFocus();
}

void TMain::TimerMouvementTimer() {
  Game.NextAnimFrame();
  TCanvas scene(SceneBitmap);
  for (int h = 1; h <= HorseCount; ++h) {
    scene.CopyRect(PrevHorseRect[h], BackgroundBitmap, PrevHorseRect[h]);
    HorseRect[h] = FrameRect(Game, h);
    scene.Draw(Game.HorseX(h), Game.HorseY(h), HorseFrames[h][Game.AnimFrame()]);
    const TRect changed = UnionRect(PrevHorseRect[h], HorseRect[h]);
    if (!Game.HorseFinished(h)) Canvas().CopyRect(changed, SceneBitmap, changed);
    PrevHorseRect[h] = HorseRect[h];
  }
}
