#include "toolkit/HintMachinery.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <QWidget>
#include <optional>
#include <vector>

#include "toolkit/Application.h"

namespace {

// Remembers what the machinery asked it to show.
class TRecordingHintWindow : public THintWindow {
 public:
  void ActivateHint(const TRect& rect, const QString& text) override {
    Shown.push_back(text);
    THintWindow::ActivateHint(rect, text);
  }
  std::vector<QString> Shown;
};

class HintMachinery : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->SetShowHint(false);
    Application->SetHintWindowClass([] { return std::make_unique<TRecordingHintWindow>(); });
    Application->SetShowHint(true);
    Application->SetHintPause(200);
    Application->SetHintHidePause(5000);
    form.resize(300, 200);
    first.setGeometry(10, 10, 80, 30);
    second.setGeometry(100, 10, 80, 30);
    for (QPushButton* button : {&first, &second}) button->setProperty("ShowHint", true);
    first.setToolTip("Premier");
    second.setToolTip("Second");
    form.show();
  }

  void TearDown() override {
    Application->Hints().CancelHint();
    Application->SetShowHint(false);
    Application->SetHintWindowClass([] { return std::make_unique<THintWindow>(); });
    Application->SetShowHint(true);
    Application->SetHintPause(THintMachinery::DefaultHintPause);
    Application->SetHintHidePause(THintMachinery::DefaultHintHidePause);
  }

  static void Enter(QWidget& widget) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&widget, &event);
  }
  static void Leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
  }
  static const std::vector<QString>& Shown() {
    return static_cast<TRecordingHintWindow*>(Application->HintWindow())->Shown;
  }
  THintMachinery& hints = Application->Hints();
  QWidget form;
  QPushButton first{&form};
  QPushButton second{&form};
};

TEST_F(HintMachinery, ShowsOnlyEnabledNonEmptyHintsAndOnlyTheTextBeforeTheBar) {
  struct Case {
    std::optional<bool> showHint;
    QString toolTip;
    QString expected;  // empty: no hint
  };
  const Case cases[] = {
      {true, "Partir", "Partir"},
      {true, "Partir|Lance la course", "Partir"},
      {true, "|Only the long part", ""},
      {true, "", ""},
      {false, "Partir", ""},
      {std::nullopt, "Partir", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.toolTip.toStdString());
    hints.CancelHint();
    static_cast<TRecordingHintWindow*>(Application->HintWindow())->Shown.clear();
    first.setProperty("ShowHint", c.showHint ? QVariant(*c.showHint) : QVariant());
    first.setToolTip(c.toolTip);
    Enter(first);
    EXPECT_EQ(hints.ShowTimer().isActive(), !c.expected.isEmpty());
    QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
    if (c.expected.isEmpty()) {
      EXPECT_TRUE(Shown().empty());
      EXPECT_FALSE(Application->HintWindow()->isVisible());
    } else {
      ASSERT_EQ(Shown().size(), 1u);
      EXPECT_EQ(Shown()[0], c.expected);
      EXPECT_TRUE(Application->HintWindow()->isVisible());
    }
  }
}

TEST_F(HintMachinery, OpensAfterTheDelayAndClosesAfterTheDisplayTime) {
  Enter(first);
  EXPECT_TRUE(hints.ShowTimer().isActive());
  EXPECT_EQ(hints.ShowTimer().interval(), 200);
  EXPECT_FALSE(Application->HintWindow()->isVisible());

  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
  EXPECT_TRUE(hints.HintShown());
  EXPECT_TRUE(Application->HintWindow()->isVisible());
  EXPECT_TRUE(hints.HideTimer().isActive());
  EXPECT_EQ(hints.HideTimer().interval(), 5000);

  QMetaObject::invokeMethod(&hints.HideTimer(), "timeout");
  EXPECT_FALSE(hints.HintShown());
  EXPECT_FALSE(Application->HintWindow()->isVisible());
  // Resting on the same control does not bring it back.
  QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), QPointF(6, 6), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&first, &move);
  EXPECT_FALSE(hints.ShowTimer().isActive());
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(HintMachinery, LeavingOrClickingTheControlHidesTheHint) {
  Enter(first);
  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
  Leave(first);
  EXPECT_FALSE(Application->HintWindow()->isVisible());
  EXPECT_EQ(hints.HintControl(), nullptr);
  EXPECT_FALSE(hints.HideTimer().isActive());

  Enter(second);
  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(6, 6), QPointF(6, 6), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&second, &press);
  EXPECT_FALSE(Application->HintWindow()->isVisible());
  EXPECT_FALSE(hints.ShowTimer().isActive());

  // Leaving before the delay has run out cancels the pending hint.
  Leave(second);
  Enter(first);
  Leave(first);
  EXPECT_FALSE(hints.ShowTimer().isActive());
}

TEST_F(HintMachinery, MovingStraightToAnotherHintedControlUsesTheShortPause) {
  struct Case {
    const char* name;
    bool firstShown;
    bool pauseBetween;
    int expected;
  };
  const Case cases[] = {
      {"hint open, straight across", true, false, THintMachinery::ShortPause},
      {"hint open, rested outside", true, true, 200},
      {"hint still pending", false, false, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hints.CancelHint();
    Enter(first);
    if (c.firstShown) QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
    Leave(first);
    if (c.pauseBetween) QApplication::processEvents();
    Enter(second);
    EXPECT_EQ(hints.ShowTimer().interval(), c.expected);
    EXPECT_EQ(hints.HintControl(), &second);
    QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
    EXPECT_EQ(Shown().back(), "Second");
  }
  EXPECT_EQ(Application->HintShortPause(), 50);
}

TEST_F(HintMachinery, ChildrenOfAHintedControlShowItsHint) {
  QWidget panel(&form);
  panel.setGeometry(0, 100, 200, 80);
  panel.setProperty("ShowHint", true);
  panel.setToolTip("Panneau");
  QLabel label("x", &panel);
  panel.show();
  Enter(label);
  EXPECT_EQ(hints.HintControl(), &panel);
  // A move that travels up to the form still finds the child under the mouse.
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 105), QPointF(5, 105), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&form, &move);
  EXPECT_EQ(hints.HintControl(), &panel);
  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
  EXPECT_EQ(Shown().back(), "Panneau");
}

TEST_F(HintMachinery, AControlDestroyedWhileItsHintIsPendingShowsNothing) {
  auto doomed = std::make_unique<QPushButton>(&form);
  doomed->setProperty("ShowHint", true);
  doomed->setToolTip("Bientôt parti");
  doomed->show();
  Enter(*doomed);
  doomed.reset();
  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
  EXPECT_TRUE(Shown().empty());
}

TEST_F(HintMachinery, QtTooltipsAreSwallowed) {
  QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), first.mapToGlobal(QPoint(5, 5)));
  EXPECT_TRUE(QApplication::sendEvent(&first, &help));
  EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(HintMachinery, TheSwitchDestroysAndCreatesTheWindowOfTheCurrentClass) {
  Enter(first);
  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
  Application->SetShowHint(false);
  EXPECT_FALSE(Application->ShowHint());
  EXPECT_EQ(Application->HintWindow(), nullptr);
  EXPECT_FALSE(hints.HintShown());
  // With hints off nothing is scheduled to show.
  Enter(second);
  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
  EXPECT_FALSE(hints.HintShown());

  Application->SetHintWindowClass([] { return std::make_unique<THintWindow>(); });
  EXPECT_EQ(Application->HintWindow(), nullptr);  // the class alone creates nothing
  Application->SetShowHint(true);
  THintWindow* created = Application->HintWindow();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(dynamic_cast<TRecordingHintWindow*>(created), nullptr);
  Application->SetShowHint(true);
  EXPECT_EQ(Application->HintWindow(), created);  // switching on again keeps the window
  Application->SetHintWindowClass(nullptr);
  Application->SetShowHint(false);
  Application->SetShowHint(true);
  EXPECT_EQ(Application->HintWindow(), nullptr);  // no class, no window, no crash
  QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
}

TEST(HintWindow, IsAFocuslessPopupTheMousePassesThrough) {
  THintWindow window;
  const Qt::WindowFlags flags = window.windowFlags();
  for (Qt::WindowType flag : {Qt::ToolTip, Qt::FramelessWindowHint, Qt::WindowTransparentForInput,
                              Qt::WindowDoesNotAcceptFocus}) {
    EXPECT_TRUE(flags.testFlag(flag)) << flag;
  }
  EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
}

}  // namespace
