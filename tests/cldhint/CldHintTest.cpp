#include "cldhint/CldHint.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "toolkit/Application.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/Forms.h"

namespace {

class CloudHint : public ::testing::Test {
 protected:
  CloudHint() { SetFormFont(owner, "MS Sans Serif", 11); }
  QWidget owner;
};

TEST_F(CloudHint, InstallsTheCloudWindowAndItsDelaysKeepingTheHintsSwitch) {
  for (const bool hintsOn : {true, false}) {
    SCOPED_TRACE(hintsOn);
    Application->SetShowHint(false);
    Application->SetHintWindowClass([] { return std::make_unique<THintWindow>(); });
    Application->SetShowHint(hintsOn);
    Application->SetHintPause(1);
    Application->SetHintHidePause(2);
    TCloudHint hint(&owner);
    EXPECT_EQ(hint.SavedShowHint(), hintsOn);
    EXPECT_EQ(Application->ShowHint(), hintsOn);
    EXPECT_EQ(Application->HintPause(), 200);
    EXPECT_EQ(Application->HintHidePause(), 5000);
    EXPECT_EQ(Application->HintWindow() != nullptr, hintsOn);
    // Either way the class is installed: switching on makes a cloud window.
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    EXPECT_NE(dynamic_cast<TCloudHintWindow*>(Application->HintWindow()), nullptr);
  }
}

TEST_F(CloudHint, DelaySettersReachTheApplication) {
  TCloudHint hint(&owner);
  struct Case {
    const char* name;
    bool pause;  // HintPauseTime, else HintHidePause
    int32_t value;
    int expectedInApplication;
  };
  // Before each write the application's values are changed behind the component's back.
  const Case cases[] = {
      {"pause unchanged leaves the application alone", true, 200, 77},
      {"pause changed is handed over", true, 300, 300},
      {"pause back to its value is handed over", true, 200, 200},
      {"display time unchanged is handed over again", false, 5000, 5000},
      {"display time changed is handed over", false, 4000, 4000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Application->SetHintPause(77);
    Application->SetHintHidePause(77);
    if (c.pause) {
      hint.SetHintPauseTime(c.value);
      EXPECT_EQ(hint.HintPauseTime(), c.value);
      EXPECT_EQ(Application->HintPause(), c.expectedInApplication);
    } else {
      hint.SetHintHidePause(c.value);
      EXPECT_EQ(hint.HintHidePause(), c.value);
      EXPECT_EQ(Application->HintHidePause(), c.expectedInApplication);
    }
  }
}

TEST_F(CloudHint, OwnerFontFollowsFontEditsAndNull) {
  TCloudHint hint(&owner);
  EXPECT_TRUE(hint.OwnerFont());

  hint.Font().SetColor(clRed);
  EXPECT_FALSE(hint.OwnerFont());

  hint.SetFont(nullptr);
  EXPECT_TRUE(hint.OwnerFont());
  EXPECT_EQ(hint.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(hint.Font().Height(), -11);
  EXPECT_EQ(hint.Font().Color(), clWindowText);  // the owner's font replaced the red one

  TFont bold;
  bold.SetName("Arial");
  bold.SetBold(true);
  hint.SetFont(&bold);
  EXPECT_FALSE(hint.OwnerFont());
  EXPECT_TRUE(hint.Font().SameAs(bold));
  bold.SetHeight(-30);  // the component keeps a copy, not the argument
  EXPECT_EQ(hint.Font().Height(), -11);

  // Switching to the own font copies nothing.
  hint.SetOwnerFont(false);
  EXPECT_FALSE(hint.OwnerFont());
  EXPECT_EQ(hint.Font().Name(), "Arial");
}

TEST_F(CloudHint, OwnerFontReadsTheOwnersCurrentFont) {
  QFont font("Liberation Serif");
  font.setPixelSize(17);
  font.setBold(true);
  font.setItalic(true);
  owner.setFont(font);
  TCloudHint hint(&owner);
  hint.SetOwnerFont(true);
  EXPECT_EQ(hint.Font().Name(), "Liberation Serif");
  EXPECT_EQ(hint.Font().Height(), -17);
  EXPECT_TRUE(hint.Font().Bold());
  EXPECT_TRUE(hint.Font().Italic());
  EXPECT_TRUE(hint.OwnerFont());
}

TEST(CloudHintWithoutOwner, OwnerFontFailsAndKeepsItsValue) {
  TCloudHint hint(nullptr);
  hint.SetOwnerFont(false);
  EXPECT_THROW(hint.SetOwnerFont(true), EToolkitError);
  EXPECT_FALSE(hint.OwnerFont());
  EXPECT_THROW(hint.SetFont(nullptr), EToolkitError);
  EXPECT_FALSE(hint.OwnerFont());
}

}  // namespace
