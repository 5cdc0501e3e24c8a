#include "game/Game.h"

#include <utility>

#include "game/Scoring.h"
#include "toolkit/Random.h"

namespace {

// A new game's bets: 1-2-3 for player 1, 4-5-6 for player 2.
TBet NewGameBet(int player) {
  const int first = player == 1 ? 1 : 4;
  return {QString::number(first), QString::number(first + 1), QString::number(first + 2)};
}

QString Joined(const TBet& bet) {
  return bet[0] + bet[1] + bet[2];
}

}  // namespace

// The bet labels show a new game's bets until the first validation.
TGame::TGame(bool soundsOn) : soundsOn_(soundsOn) {
  for (int player : {1, 2}) validatedBets_[player] = Joined(NewGameBet(player));
}

// A race runs to its end: nothing restarts it or the game, or changes the bets meanwhile.
void TGame::NewGame() {
  if (racing_) return;
  for (int player : {1, 2}) {
    score_[player] = 0;
    racePoints_[player] = 0;
  }
  emit ScoresChanged();
  SetBetsOpen(true);
  for (int player : {1, 2}) {
    bets_[player] = NewGameBet(player);
    emit BetChanged(player);
  }
}

void TGame::ChangeBets() {
  if (racing_) return;
  SetBetsOpen(true);
}

bool TGame::SetBet(int player, const TBet& choices) {
  if (racing_) return false;
  const auto& [first, second, third] = choices;
  if (first == second || second == third || first == third) return false;
  bets_[player] = choices;
  emit BetChanged(player);
  return true;
}

QString TGame::PlayerBet(int player) const {
  return Joined(bets_[player]);
}

void TGame::ValidateBets() {
  bool changed = false;
  for (int player : {1, 2}) {
    const QString bet = PlayerBet(player);
    changed |= std::exchange(validatedBets_[player], bet) != bet;
  }
  if (changed) emit BetsValidated();
  SetBetsOpen(false);
}

bool TGame::StartRace() {
  if (racing_) return false;
  ValidateBets();
  SetRacing(true);
  arrivalOrder_.clear();
  animFrame_ = 1;
  nextRank_ = 1;
  for (int h = 1; h <= HorseCount; ++h) {
    horseFinished_[h] = false;
    horseX_[h] = -SpriteWidth;
    horseY_[h] = (h - 1) * SpriteHeight + FirstLaneTop;
  }
  return true;
}

void TGame::AdvanceTick() {
  // A late tick after the last arrival must not score the race again.
  if (!racing_) return;
  for (int h = 1; h <= HorseCount; ++h) horseX_[h] += Random(9) + 1;
  for (int h = 1; h <= HorseCount; ++h) {
    if (horseX_[h] < FinishLine) continue;
    horseX_[h] = FinishLine + 10;
    if (horseFinished_[h]) continue;
    emit HorseArrived(h, nextRank_);
    arrivalOrder_ += QChar('0' + h);
    ++nextRank_;
    horseFinished_[h] = true;
  }
  for (bool finished : horseFinished_) {
    if (!finished) return;
  }
  EndRace();
}

void TGame::EndRace() {
  SetRacing(false);
  for (int player : {1, 2}) {
    racePoints_[player] = ScoreBet(PlayerBet(player), arrivalOrder_);
    score_[player] += racePoints_[player];
  }
  emit ScoresChanged();
  emit RaceEnded();
}

void TGame::NextAnimFrame() {
  animFrame_ = animFrame_ % GallopFrameCount + 1;
}

void TGame::FlipSoundSwitch() {
  soundsOn_ = !soundsOn_;
  emit SoundSwitchChanged(soundsOn_);
}

void TGame::SetBetsOpen(bool open) {
  if (open == betsOpen_) return;
  betsOpen_ = open;
  emit BetsOpenChanged(open);
}

void TGame::SetRacing(bool racing) {
  if (racing == racing_) return;
  racing_ = racing;
  emit RacingChanged(racing);
}
