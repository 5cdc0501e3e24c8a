#pragma once

#include <QString>
#include <cstdint>

#include "game/OneBased.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Graphics.h"
#include "toolkit/StoredSwitch.h"
#include "toolkit/SurfaceWindow.h"
#include "toolkit/Timer.h"
#include "ui_UGaloppo.h"

class QAction;
class QMenu;
class TCloudHint;

constexpr int HorseCount = 9;
constexpr int GallopFrameCount = 8;

// Every picture cell of the game: a horse's gallop frame in the sprite sheet, a drop-down item's
// picture and a portrait, which has the frame's size so that the grid shows both alike.
constexpr int FrameWidth = 73;
constexpr int FrameHeight = 60;
// The lanes are one frame high, the first one starting below the title.
constexpr int LaneHeight = FrameHeight;
constexpr int FirstLaneTop = 50;
// The bet grid's cells are two rows taller than a frame, so the cell painter stretches it.
constexpr int GridRowHeight = 62;
constexpr int ChoiceItemHeight = 56;

// The game state, shared by the race, the scoring, the betting panel and the menu. It lives for
// the whole run; FormCreate gives it its starting values.
extern int32_t FinishLine;
extern int32_t SpriteWidth;
extern int32_t SpriteHeight;
extern int32_t AnimFrame;
extern int32_t NextRank;
extern int32_t Score1;
extern int32_t Score2;
extern TOneBased<int32_t, HorseCount> HorseX;
extern TOneBased<int32_t, HorseCount> HorseY;
extern TOneBased<bool, HorseCount> HorseFinished;
extern TOneBased<TRect, HorseCount> HorseRect;
extern TOneBased<TRect, HorseCount> PrevHorseRect;
extern QString ArrivalOrder;
extern TBitmap BackgroundBitmap;
extern TBitmap SceneBitmap;
extern TBitmap SpriteSheet;
extern TBitmap PortraitSheet;
extern TOneBased<TOneBased<TBitmap, GallopFrameCount>, HorseCount> HorseFrames;
extern const TBitmap* ItemBitmap;

// Cuts the sprite sheet's cell of `horse` in gallop `frame`, keyed on the cell's own field
// colour, which it reads inside the cell's edge.
TBitmap CutHorseFrame(const TBitmap& sheet, int horse, int frame);

// The game window: the track, the betting panel, the race and the right-click menu. Its child
// controls are the form description's own members (Go, Choix1, StringGrid1 ...).
class TMain : public TSurfaceWindow, public Ui::TMain {
  Q_OBJECT

 public:
  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  // What the form description does not hold: the timers, the menu and the hint component.
  TTimer* TimerMouvement = new TTimer(this);
  TTimer* TimerAvancer = new TTimer(this);
  QMenu* PopupMenu1 = nullptr;
  QAction* Recommencer1 = nullptr;
  QAction* Modifierlescheveaux1 = nullptr;
  QAction* N1 = nullptr;
  QAction* Jouersons1 = nullptr;
  QAction* N2 = nullptr;
  QAction* Quitter = nullptr;
  TCloudHint* CloudHint1 = nullptr;

  void FormCreate();

  // The race.
  void GoClick();
  void TimerAvancerTimer();
  void TimerMouvementTimer();

  // The end-of-race scoring of both bets.
  void UpdateScores();

  // The betting panel.
  void Choix1DrawItem(int index, const TRect& rect);
  void Choix2DrawItem(int index, const TRect& rect);
  void Choix3DrawItem(int index, const TRect& rect);
  void StringGrid1DrawCell(int col, int row, const TRect& rect);
  void StringGrid1MouseDown(Qt::MouseButton button, int x, int y);
  // A press on cell (col, row) of the grid, by the mouse or the keyboard: a portrait takes the
  // three choices for its player's row when they differ; anything else is ignored.
  void PressGridCell(int col, int row);
  void ValiderSelectionClick();
  // Columns 1, 2 and 3 of the player's row of the grid: row 0 is player 1, row 1 player 2.
  QString PlayerBet(int row) const;

  // The menu.
  void Recommencer1Click();
  void Modifierlescheveaux1Click();
  void Jouersons1Click();
  void QuitterClick();

 protected:
  void FormPaint() override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void SetFormProperties();
  void CreatePopupMenu();
  void CreateCloudHint();
  void BindHandlers();
  // The keyboard's way through the game: the tab order, the grid's keys, the menu and game keys.
  void SetUpKeyboard();
  // What screen readers call the controls, and what they are told as the game goes.
  void NameControls();
  // The player's horses in words, "cheval 7, cheval 8, cheval 9", the empty places left out.
  QString Bet(int row) const;
  void TellBet(int row);
  void TellBetRefused();
  void TellBetsValidated();
  void TellRaceStarted();
  void AnnounceArrival();
  void DrawHorseItem(TComboBox& comboBox, int index, const TRect& rect);
  void WriteRank(int horse);
  void EndRace();

  // The sound switch as the player last left it, in ~/.config/tiercea2/tierce.conf; nothing else
  // of the game is kept between runs.
  TStoredSwitch storedSoundSwitch_{QStringLiteral("tiercea2"), QStringLiteral("tierce"),
                                   QStringLiteral("PlaySounds"), true};
};

extern TMain* Main;
