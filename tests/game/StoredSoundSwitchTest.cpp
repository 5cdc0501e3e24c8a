#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <memory>

#include "game/UGaloppo.h"

namespace {

// Where the game keeps its settings, under the folder each test program has of its own.
QString Folder() {
  return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/tiercea2");
}
QString File() {
  return Folder() + QStringLiteral("/tierce.conf");
}

// One start of the game: whether "Jouer sons" is checked (the game's switch, which the mark must
// show), and what it wrote on the terminal.
struct TStart {
  bool Checked;
  QString Said;
};

TStart Start(const std::function<void(TMain&)>& play = {}) {
  ::testing::internal::CaptureStderr();
  auto main = std::make_unique<TMain>();
  if (play) play(*main);
  const bool checked = main->Jouersons1->isChecked();
  EXPECT_EQ(main->Game.SoundsOn(), checked) << "the mark is not the game's switch";
  main.reset();
  return {checked, QString::fromStdString(::testing::internal::GetCapturedStderr())};
}

void Write(const QByteArray& bytes) {
  QDir().mkpath(Folder());
  QFile file(File());
  ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate));
  file.write(bytes);
}

}  // namespace

TEST(StoredSoundSwitch, TheSwitchOutlivesARunAndABadConfigurationGivesSoundsAndOneLine) {
  // Nothing stored: the switch starts checked, silently, and nothing is written until it flips.
  EXPECT_TRUE(Start().Checked);
  EXPECT_TRUE(Start().Said.isEmpty());
  EXPECT_FALSE(QFile::exists(File()));

  // Cleared from the menu, it stays cleared at the next start; set again, it stays set.
  const TStart cleared = Start([](TMain& main) { main.Jouersons1->trigger(); });
  EXPECT_FALSE(cleared.Checked);
  EXPECT_TRUE(cleared.Said.isEmpty()) << cleared.Said.toStdString();
  EXPECT_FALSE(Start().Checked);
  EXPECT_TRUE(Start([](TMain& main) { main.Jouersons1Click(); }).Checked);
  EXPECT_TRUE(Start().Checked);
  // Only the switch is kept, as Qt writes a boolean.
  QFile file(File());
  ASSERT_TRUE(file.open(QFile::ReadOnly));
  EXPECT_EQ(file.readAll(), "[General]\nPlaySounds=true\n");
  file.close();

  struct Case {
    const char* name;
    std::function<void()> make;
  };
  const Case bad[] = {
      {"a value that is no boolean", [] { Write("[General]\nPlaySounds=maybe\n"); }},
      {"cut short in the value", [] { Write("[General]\nPlaySounds=fa"); }},
      {"cut short in the key", [] { Write("[General]\nPlaySou"); }},
      {"cut short in the section", [] { Write("[Gene"); }},
      {"a folder", [] { QDir().mkpath(File()); }},
      // A pipe with no writer would hold a reader forever.
      {"a pipe",
       [] {
         QDir().mkpath(Folder());
         ASSERT_EQ(mkfifo(qPrintable(File()), 0600), 0);
       }},
      // Reading fails there even for root, whom permissions do not stop.
      {"unreadable",
       [] {
         QDir().mkpath(Folder());
         ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), File()));
       }},
  };
  for (const Case& c : bad) {
    SCOPED_TRACE(c.name);
    QDir(Folder()).removeRecursively();
    c.make();
    const TStart start = Start();
    EXPECT_TRUE(start.Checked);
    EXPECT_EQ(start.Said.count(File()), 1) << start.Said.toStdString();
  }

  // A folder that cannot be written: the switch works for the run, with one line however often
  // it flips. A file where the folder should be stops even root.
  QDir(Folder()).removeRecursively();
  QFile blocker(Folder());
  ASSERT_TRUE(blocker.open(QFile::WriteOnly));
  blocker.close();
  const TStart unwritable = Start([](TMain& main) {
    main.Jouersons1->trigger();
    EXPECT_FALSE(main.Jouersons1->isChecked());
    main.Jouersons1->trigger();
    main.Jouersons1->trigger();
  });
  EXPECT_FALSE(unwritable.Checked);
  EXPECT_EQ(unwritable.Said.count(File()), 1) << unwritable.Said.toStdString();
  QFile::remove(Folder());
}
