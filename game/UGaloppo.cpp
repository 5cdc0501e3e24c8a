#include "game/UGaloppo.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "cldhint/CldHint.h"
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

int32_t FinishLine = 0;
int32_t SpriteWidth = 0;
int32_t SpriteHeight = 0;
int32_t AnimFrame = 0;
int32_t NextRank = 0;
int32_t Score1 = 0;
int32_t Score2 = 0;
TOneBased<int32_t, HorseCount> HorseX;
TOneBased<int32_t, HorseCount> HorseY;
TOneBased<bool, HorseCount> HorseFinished;
TOneBased<TRect, HorseCount> HorseRect;
TOneBased<TRect, HorseCount> PrevHorseRect;
QString ArrivalOrder;
TBitmap BackgroundBitmap;
TBitmap SceneBitmap;
TBitmap SpriteSheet;
TBitmap PortraitSheet;
TOneBased<TOneBased<TBitmap, GallopFrameCount>, HorseCount> HorseFrames;
const TBitmap* ItemBitmap = nullptr;

TMain* Main = nullptr;

namespace {

// What ItemBitmap holds before the first drop-down item is painted.
const TBitmap EmptyItemBitmap;

}  // namespace

TMain::TMain(QWidget* parent) : TSurfaceWindow(parent) {
  setupUi(this);
  SetFormProperties();
  CreatePopupMenu();
  CreateCloudHint();
  BindHandlers();
  SetUpKeyboard();
  NameControls();
  CenterOnScreen(*this);
  FormCreate();
}

TMain::~TMain() = default;

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
  StringGrid1->SetGridSize(4, 2, FrameWidth, GridRowHeight);
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

void TMain::FormCreate() {
  Randomize();
  FinishLine = 700;
  AnimFrame = 1;
  SpriteWidth = FrameWidth;
  SpriteHeight = FrameHeight;
  AnimateHomme->SetResName(QStringLiteral("Man"));
  AnimateHomme->SetActive(true);
  ItemBitmap = &EmptyItemBitmap;
  BackgroundBitmap = Image2->Picture;
  SpriteSheet = TBitmap::FromResource(QStringLiteral("Chevaux"));
  PortraitSheet = TBitmap::FromResource(QStringLiteral("Joueurs"));
  StringGrid1->SetCell(0, 0, QStringLiteral("J1"));
  StringGrid1->SetCell(0, 1, QStringLiteral("J2"));
  SceneBitmap = BackgroundBitmap;
  for (int f = 1; f <= GallopFrameCount; ++f) {
    for (int h = 1; h <= HorseCount; ++h) HorseFrames[h][f] = CutHorseFrame(SpriteSheet, h, f);
  }
  for (int k = 1; k <= HorseCount; ++k) {
    for (TComboBox* choice : {Choix1, Choix2, Choix3}) {
      choice->AddItem(QString::number(k), &HorseFrames[k][GallopFrameCount]);
    }
  }
  Recommencer1Click();
}

TBitmap CutHorseFrame(const TBitmap& sheet, int horse, int frame) {
  TBitmap cell(FrameWidth, FrameHeight);
  TCanvas(cell).CopyRect({0, 0, FrameWidth, FrameHeight}, sheet,
                         {FrameWidth * (frame - 1), FrameHeight * (horse - 1), FrameWidth * frame,
                          FrameHeight * horse});
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
