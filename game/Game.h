#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

#include "game/OneBased.h"

constexpr int HorseCount = 9;
constexpr int GallopFrameCount = 8;

// The track's measures, in the window's pixels. A horse's frame and a player's portrait are one
// sprite in size, and a lane is one sprite high, the first one below the title.
constexpr int32_t SpriteWidth = 73;
constexpr int32_t SpriteHeight = 60;
constexpr int32_t FirstLaneTop = 50;
constexpr int32_t FinishLine = 700;

// A player's horses for the first, second and third places, one digit each; "" where no horse
// was chosen.
using TBet = std::array<QString, 3>;

// The game without its window: the race, the two bets, the scores and the sound switch, with the
// rules as commands. Players are 1 and 2, horses 1 to 9. Every change is told by a signal; the
// window shows the game and turns its input into these commands.
class TGame : public QObject {
  Q_OBJECT

 public:
  explicit TGame(bool soundsOn);

  // Scores and race points back to 0, the bets back to 1-2-3 and 4-5-6, the betting open. Not
  // while racing.
  void NewGame();
  // Opens the betting again, the bets as they are. Not while racing.
  void ChangeBets();
  // Takes the three choices as the player's bet, unless two of them are equal or a race runs;
  // says which.
  bool SetBet(int player, const TBet& choices);
  // The bets as they stand become the ones shown and raced; the betting closes.
  void ValidateBets();
  // Validates, then puts the horses at the start; NextRank is 1 and the first frame 1. Refused
  // while a race runs; says whether it started.
  bool StartRace();
  // One step of the advance timer: every horse moves 1 to 9 pixels, drawn from the game's
  // generator, and those that reach the line are ranked by number. The tick in which the last one
  // arrives ends the race and scores both bets.
  void AdvanceTick();
  // The gallop frame of the next picture: 1 to 8, round and round.
  void NextAnimFrame();
  void FlipSoundSwitch();

  int32_t HorseX(int horse) const { return horseX_[horse]; }
  int32_t HorseY(int horse) const { return horseY_[horse]; }
  bool HorseFinished(int horse) const { return horseFinished_[horse]; }
  int32_t NextRank() const { return nextRank_; }
  int32_t AnimFrame() const { return animFrame_; }
  const QString& ArrivalOrder() const { return arrivalOrder_; }
  int32_t Score1() const { return score_[1]; }
  int32_t Score2() const { return score_[2]; }
  // What the player's bet earned in the last race that ended; 0 until one ends in this game.
  int32_t RacePoints(int player) const { return racePoints_[player]; }
  const TBet& Bet(int player) const { return bets_[player]; }
  // The bet's digits joined in place order: "789", or "79" when the second place had no horse.
  QString PlayerBet(int player) const;
  // The bet as the last validation took it.
  const QString& ValidatedBet(int player) const { return validatedBets_[player]; }
  bool BetsOpen() const { return betsOpen_; }
  bool Racing() const { return racing_; }
  bool SoundsOn() const { return soundsOn_; }

 signals:
  void ScoresChanged();
  void BetChanged(int player);
  void BetsValidated();
  void BetsOpenChanged(bool open);
  void RacingChanged(bool racing);
  void HorseArrived(int horse, int32_t rank);
  // After the last arrival and the scoring: RacePoints and the scores count the race.
  void RaceEnded();
  void SoundSwitchChanged(bool on);

 private:
  void SetBetsOpen(bool open);
  void SetRacing(bool racing);
  void EndRace();

  TOneBased<int32_t, HorseCount> horseX_;
  TOneBased<int32_t, HorseCount> horseY_;
  TOneBased<bool, HorseCount> horseFinished_;
  int32_t nextRank_ = 0;
  int32_t animFrame_ = 1;
  QString arrivalOrder_;
  TOneBased<int32_t, 2> score_;
  TOneBased<int32_t, 2> racePoints_;
  TOneBased<TBet, 2> bets_;
  TOneBased<QString, 2> validatedBets_;
  bool betsOpen_ = false;
  bool racing_ = false;
  bool soundsOn_;
};
