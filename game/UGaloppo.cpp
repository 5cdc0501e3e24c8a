#include "game/UGaloppo.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>

#include "cldhint/CldHint.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Animate.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/ComboBox.h"
#include "toolkit/ContextMenuKeys.h"
#include "toolkit/Forms.h"
#include "toolkit/Image.h"
#include "toolkit/Random.h"
#include "toolkit/Resources.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StringGrid.h"
#include "toolkit/Timer.h"
#include "toolkit/WorkAhead.h"

TMain::TMain(QWidget* parent) : TSurfaceWindow(parent) {
  setupUi(this);
  SetFormProperties();
  CreatePopupMenu();
  CreateCloudHint();
  BindHandlers();
  ObserveGame();
  SetUpKeyboard();
  NameControls();
  CenterOnScreen(*this);
  FormCreate();
}

TMain::~TMain() = default;

std::vector<std::function<void()>> TMain::MakingSteps(std::unique_ptr<TMain>& made) {
  auto kept = [](std::function<void()> read) {
    return [read] {
      WorkAhead::TKeep keep;
      read();
    };
  };
  // The pictures of the form description (Image2, Image1) and of FormCreate.
  return {kept([] { TImage::ReadPicture(QStringLiteral("TRACK")); }),
          kept([] { TImage::ReadPicture(QStringLiteral("PANEL")); }),
          kept([] { TBitmap::FromResource(QStringLiteral("Chevaux")); }),
          kept([] { TBitmap::FromResource(QStringLiteral("Joueurs")); }),
          kept([] { TAnimate::ReadMovie(QStringLiteral("Man")); }),
          [&made] {
            const Accessibility::TUnheard unheard;
            made = std::make_unique<TMain>();
          },
          // What showing it would do first: its system window, made unmapped, its controls
          // polished, and its first drawing.
          [&made] {
            if (!made) return;
            const Accessibility::TUnheard unheard;
            made->create();
            made->ensurePolished();
          },
          [&made] {
            if (made) WorkAhead::DrawUnshown(*made);
          }};
}

void TMain::SetFormProperties() {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(800, 600);
  // The 32-pixel picture, and larger ones for task bars and docks on large screens.
  setWindowIcon(Resources::LoadIcon({"Icon", "Icon48", "Icon64", "Icon128", "Icon256"}));
  SetFormFont(*this, QStringLiteral("MS Sans Serif"), 11);

  for (QLabel* score : {LabelPointJoueur1, LabelPointJoueur2}) {
    score->setFont(PixelFont(QStringLiteral("Arial"), 13, true));
    SetTextColor(*score, clYellow);
  }
  for (QLabel* bet : {LabelCh1, LabelCh2}) {
    bet->setFont(PixelFont(QStringLiteral("Arial"), 11));
    SetTextColor(*bet, clRed);
  }
  for (TComboBox* choice : {Choix1, Choix2, Choix3}) {
    choice->SetColor(0x004800);
    choice->SetItemHeight(ChoiceItemHeight);
  }
  StringGrid1->SetGridSize(4, 2, SpriteWidth, GridRowHeight);
  AnimateHomme->SetCenter(true);
  AnimateHomme->SetTransparent(true);
  AnimateHomme->SetStopFrame(50);
  AnimateHomme->SetRepetitions(0);
}

void TMain::CreateCloudHint() {
  CloudHint1 = new TCloudHint(this);
  CloudHint1->SetHintColor(clAqua);
  CloudHint1->SetHintPauseTime(200);
  CloudHint1->SetHintHidePause(5000);
  CloudHint1->SetBrush(TBrush{clAqua, TBrushStyle::Solid});
  TFont font;
  font.SetCharset(1);
  font.SetColor(clWindowText);
  font.SetHeight(-11);
  font.SetName(QStringLiteral("MS Sans Serif"));
  CloudHint1->SetFont(&font);
  CloudHint1->SetOwnerFont(true);
}

void TMain::BindHandlers() {
  Go->OnClick = [this] { GoClick(); };
  ValiderSelection->OnClick = [this] { ValiderSelectionClick(); };
  TimerMouvement->OnTimer = [this] { TimerMouvementTimer(); };
  TimerAvancer->OnTimer = [this] { TimerAvancerTimer(); };
  Choix1->OnDrawItem = [this](int index, const TRect& rect) { Choix1DrawItem(index, rect); };
  Choix2->OnDrawItem = [this](int index, const TRect& rect) { Choix2DrawItem(index, rect); };
  Choix3->OnDrawItem = [this](int index, const TRect& rect) { Choix3DrawItem(index, rect); };
  StringGrid1->OnDrawCell = [this](int col, int row, const TRect& rect) {
    StringGrid1DrawCell(col, row, rect);
  };
  StringGrid1->OnMouseDown = [this](Qt::MouseButton button, int x, int y) {
    StringGrid1MouseDown(button, x, y);
  };
}

void TMain::ObserveGame() {
  connect(&Game, &TGame::ScoresChanged, this, &TMain::ShowScores);
  connect(&Game, &TGame::BetChanged, this, &TMain::ShowBet);
  connect(&Game, &TGame::BetsValidated, this, &TMain::ShowValidatedBets);
  connect(&Game, &TGame::BetsOpenChanged, this, &TMain::ShowBettingPanel);
  connect(&Game, &TGame::RacingChanged, this, &TMain::ShowRacing);
  connect(&Game, &TGame::HorseArrived, this, &TMain::WriteRank);
  connect(&Game, &TGame::RaceEnded, this, &TMain::EndRace);
  connect(&Game, &TGame::SoundSwitchChanged, this, [this](bool on) {
    Jouersons1->setChecked(on);
    storedSoundSwitch_.Store(on);
  });
}

void TMain::ShowScores() {
  LabelPointJoueur1->setText(QString::number(Game.Score1()));
  LabelPointJoueur2->setText(QString::number(Game.Score2()));
}

// A panel opened during the game takes the keyboard to its first drop-down, as at the start, and
// screen readers hear the rules its picture shows. A validation closes it, from the bar or the
// pistol: the keyboard goes on from the pistol, the next step of the round, and the bets are said.
void TMain::ShowBettingPanel(bool open) {
  const bool focusInPanel = PanelPropos->isAncestorOf(focusWidget());
  PanelPropos->setVisible(open);
  if (!open) {
    if (focusInPanel) Go->setFocus();
    return TellBetsValidated();
  }
  if (!isActiveWindow()) return;
  if (!PanelPropos->isAncestorOf(focusWidget())) Choix1->setFocus();
  TellRules();
}

// The commands the game refuses while the horses run look disabled.
void TMain::ShowRacing(bool racing) {
  Go->setEnabled(!racing);
  Modifierlescheveaux1->setEnabled(!racing);
  Recommencer1->setEnabled(!racing);
}

void TMain::FormCreate() {
  Randomize();
  AnimateHomme->SetResName(QStringLiteral("Man"));
  AnimateHomme->SetActive(true);
  BackgroundBitmap = Image2->Picture;
  SpriteSheet = TBitmap::FromResource(QStringLiteral("Chevaux"));
  PortraitSheet = TBitmap::FromResource(QStringLiteral("Joueurs"));
  SceneBitmap = BackgroundBitmap;
  for (int f = 1; f <= GallopFrameCount; ++f) {
    for (int h = 1; h <= HorseCount; ++h) HorseFrames[h][f] = CutHorseFrame(SpriteSheet, h, f);
  }
  for (int k = 1; k <= HorseCount; ++k) {
    for (TComboBox* choice : {Choix1, Choix2, Choix3}) {
      choice->AddItem(QString::number(k), &HorseFrames[k][GallopFrameCount]);
    }
  }
  for (int row = 0; row < 2; ++row) StringGrid1->DrawCell(0, row);
  Recommencer1Click();
}

TBitmap CutHorseFrame(const TBitmap& sheet, int horse, int frame) {
  TBitmap cell(SpriteWidth, SpriteHeight);
  TCanvas(cell).CopyRect({0, 0, SpriteWidth, SpriteHeight}, sheet,
                         {SpriteWidth * (frame - 1), SpriteHeight * (horse - 1),
                          SpriteWidth * frame, SpriteHeight * horse});
  cell.Transparent = true;
  cell.TransparentColor = cell.Pixel(1, 1);
  return cell;
}

void TMain::FormPaint() {
  Canvas().Draw(0, 0, BackgroundBitmap);
}

void TMain::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenu1->popup(ContextMenuPoint(*this, *event));
}
