#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "game/Game.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Graphics.h"
#include "toolkit/StoredSwitch.h"
#include "toolkit/SurfaceWindow.h"
#include "toolkit/Timer.h"
#include "ui_UGaloppo.h"

class QAction;
class QMenu;
class TCloudHint;

// The bet grid's cells are two rows taller than a sprite, so the cell painter stretches it.
constexpr int GridRowHeight = 62;
constexpr int ChoiceItemHeight = 56;

// Cuts the sprite sheet's cell of `horse` in gallop `frame`, keyed on the cell's own field
// colour, which it reads inside the cell's edge.
TBitmap CutHorseFrame(const TBitmap& sheet, int horse, int frame);

// The game window: it shows the game, the track, the betting panel, the race and the right-click
// menu, and turns clicks, keys and timer ticks into the game's commands. Its child controls are
// the form description's own members (Go, Choix1, StringGrid1 ...).
class TMain : public TSurfaceWindow, public Ui::TMain {
  Q_OBJECT

  // The sound switch as the player last left it, in ~/.config/tiercea2/tierce.conf; nothing else
  // of the game is kept between runs. Declared before the game, which starts from it.
  TStoredSwitch storedSoundSwitch_{QStringLiteral("tiercea2"), QStringLiteral("tierce"),
                                   QStringLiteral("PlaySounds"), true};

 public:
  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  // The window's making in steps, for a TWorkAhead: each picture it reads, then the window itself
  // (unshown) into `made`.
  static std::vector<std::function<void()>> MakingSteps(std::unique_ptr<TMain>& made);

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

  TGame Game{storedSoundSwitch_.Value()};

  // The pictures, alive for the whole run: the clean track, the race's off-screen composition,
  // the two sprite sheets and each horse's gallop frames.
  TBitmap BackgroundBitmap;
  TBitmap SceneBitmap;
  TBitmap SpriteSheet;
  TBitmap PortraitSheet;
  TOneBased<TOneBased<TBitmap, GallopFrameCount>, HorseCount> HorseFrames;
  // Where each horse was drawn at the latest animation tick, and at the one before.
  TOneBased<TRect, HorseCount> HorseRect;
  TOneBased<TRect, HorseCount> PrevHorseRect;

  void FormCreate();

  // The race.
  void GoClick();
  void TimerAvancerTimer();
  void TimerMouvementTimer();

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
  // The window follows the game: scores, bets, the panel, the commands' states and the switch.
  void ObserveGame();
  void ShowScores();
  void ShowBet(int player);
  void ShowValidatedBets();
  void ShowRacing(bool racing);
  void ShowBettingPanel(bool open);
  void EndRace();
  // The keyboard's way through the game: the tab order, the grid's keys, the menu and game keys.
  void SetUpKeyboard();
  // What screen readers call the controls, and what they are told as the game goes.
  void NameControls();
  // The player's horses in words, "cheval 7, cheval 8, cheval 9", the empty places left out.
  QString Bet(int player) const;
  void TellRules();
  void TellBet(int player);
  void TellBetRefused();
  void TellBetsValidated();
  void TellRaceStarted();
  void AnnounceArrival();
  void DrawHorseItem(TComboBox& comboBox, int index, const TRect& rect);
  void WriteRank(int horse, int32_t rank);
  void PlaySoundIfOn(const QString& name, uint32_t flags);
};
