#include <algorithm>

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "assets/PictureWords.h"
#include "game/Scoring.h"
#include "tests/game/GameFixture.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Random.h"
#include "toolkit/Resources.h"
#include "toolkit/Translation.h"

namespace {

// The texts of a translation file: its sources, or its translations (each plural form).
QStringList TextsOf(const QString& file, bool translations) {
  QFile ts(file);
  EXPECT_TRUE(ts.open(QFile::ReadOnly)) << file.toStdString();
  QStringList texts;
  QXmlStreamReader xml(&ts);
  const QString wanted = translations ? QStringLiteral("translation") : QStringLiteral("source");
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == wanted || (translations && xml.name() == QLatin1String("numerusform"))) {
      texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  return texts;
}

// Each source text of a translation file with its translation (its first form, for a plural).
QHash<QString, QString> TranslationsOf(const QString& file) {
  const QStringList sources = TextsOf(file, false);
  QFile ts(file);
  EXPECT_TRUE(ts.open(QFile::ReadOnly)) << file.toStdString();
  QHash<QString, QString> translations;
  QXmlStreamReader xml(&ts);
  QString source;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == QLatin1String("source")) source = xml.readElementText();
    if (xml.name() == QLatin1String("translation") && !translations.contains(source)) {
      translations[source] = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
  }
  return translations;
}

// Whether `shown` is one of the texts, its arguments (%1, %n) filled in with anything.
bool MatchesOne(const QString& shown, const QStringList& texts) {
  for (const QString& text : texts) {
    QStringList parts = text.split(QRegularExpression(QStringLiteral("%(\\d|n)")));
    for (QString& part : parts) part = QRegularExpression::escape(part);
    const QString pattern = parts.join(QStringLiteral(".+"));
    if (QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(shown).hasMatch()) {
      return true;
    }
  }
  return false;
}

// Whether `shown` is one of the texts, or sentences of them joined as the spoken rules are.
bool Matches(const QString& shown, const QStringList& texts) {
  if (MatchesOne(shown, texts)) return true;
  if (!shown.endsWith(u'.')) return false;
  const QStringList sentences = shown.chopped(1).split(QStringLiteral(". "));
  return sentences.size() > 1 && std::ranges::all_of(sentences, [&](const QString& sentence) {
           return MatchesOne(sentence, texts);
         });
}

void CollectAccessible(QAccessibleInterface* node, QStringList& texts) {
  if (!node) return;
  texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
  for (int i = 0; i < node->childCount(); ++i) CollectAccessible(node->child(i), texts);
}

// Every sentence the window shows or speaks: hints, menu captions, and what screen readers read
// of every control. Numbers and the window's identifier are no sentences.
QStringList ShownTexts(TMain& main) {
  QStringList texts;
  for (QWidget* widget : main.findChildren<QWidget*>()) texts << widget->toolTip();
  for (QAction* action : main.PopupMenu1->actions()) texts << action->text();
  CollectAccessible(QAccessible::queryAccessibleInterface(&main), texts);
  texts.removeIf([](const QString& text) {
    return !text.contains(QRegularExpression(QStringLiteral("\\p{L}"))) ||
           text == QLatin1String("Main");
  });
  texts.removeDuplicates();
  return texts;
}

const QString Translations = QStringLiteral(TIERCE_TRANSLATIONS);

// A round from start to finish, so that the arrival has been announced.
void PlayRound(TMain& main, const std::function<void()>& finish) {
  RandSeed = 28;
  main.GoClick();
  finish();
}

class InEnglish : public GameTest {
 protected:
  void SetUp() override {
    qputenv("LANGUAGE", "en_GB");
    ASSERT_EQ(Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr")), "en");
    GameTest::SetUp();
  }
  void TearDown() override {
    GameTest::TearDown();
    qunsetenv("LANGUAGE");
    Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr"));
  }
  static QString Name(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
  }
};

}  // namespace

TEST_F(InEnglish, ARoundSpeaksEnglishInTheMenuTheHintsAndToScreenReaders) {
  QStringList captions;
  for (QAction* action : main->PopupMenu1->actions()) captions << action->text();
  EXPECT_EQ(captions,
            QStringList({"New game", "Change horses", "", "Play sounds", "", "Quit game"}));
  EXPECT_EQ(main->Go->toolTip(), "Click to send the horses off");
  for (QWidget* choice : {main->Choix1, main->Choix2, main->Choix3}) {
    EXPECT_EQ(choice->toolTip(), "Pick three different horses, then click one of the two players");
  }
  EXPECT_EQ(Name(main.get()), QString::fromUtf8("Tiercé à deux"));
  EXPECT_EQ(Name(main->Go), "Starting pistol");
  EXPECT_EQ(Name(main->Choix2), "Horse in 2nd place");
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(main->StringGrid1);
  EXPECT_EQ(grid->child(0)->text(QAccessible::Name),
            "Player 1's portrait, bet: horse 1, horse 2, horse 3");
  EXPECT_EQ(grid->child(7)->text(QAccessible::Name), "Player 2, 3rd place: horse 6");
  // The form description's window text is an identifier, not a sentence.
  EXPECT_EQ(main->windowTitle(), "Main");

  PlayRound(*main, [this] { FinishRace(); });
  const TGame& game = main->Game;
  EXPECT_EQ(Name(main->LabelPointJoueur1), "Player 1's score: " + QString::number(game.Score1()));
  EXPECT_EQ(Name(main->LabelCh2), "Player 2's bet: 4, 5, 6");
  // The first race: each total is that race's points.
  const auto points = [](int32_t n) {
    return QString::number(n) + (n == 1 ? " point" : " points") + ", total " + QString::number(n);
  };
  const auto* notice = main->findChild<QWidget*>(QStringLiteral("AccessibleNotice"));
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->accessibleName(),
            QStringLiteral("Result: 1st place: horse %1, 2nd place: horse %2, 3rd place: horse "
                           "%3. Player 1: %4; player 2: %5.")
                .arg(game.ArrivalOrder()[0])
                .arg(game.ArrivalOrder()[1])
                .arg(game.ArrivalOrder()[2])
                .arg(points(game.Score1()), points(game.Score2())));

  const QStringList english = TextsOf(Translations + "/tierce_en.ts", true);
  for (const QString& text : ShownTexts(*main)) {
    EXPECT_TRUE(Matches(text, english))
        << "not from the English translation: " << text.toStdString();
  }
}

// Every carried language in turn: a round played in it shows and speaks that language's texts only,
// the French ones that it translates otherwise appear nowhere, the rules the panel's picture shows
// are the panel's description, and the pictures are its own.
TEST(EveryLanguage, ARoundShowsAndSpeaksOnlyItsOwnTextsAndPictures) {
  const QStringList languages = Translation::CarriedLanguages(QStringLiteral("tierce"));
  EXPECT_EQ(languages, QStringList({"de", "en", "es", "it", "nl"}));
  const QImage frenchPanel = DecodeJpeg(Resources::Load(QStringLiteral("Panel"))).Image();
  TRecordingSoundPlayer sounds;
  SetSoundPlayer(&sounds);
  for (const QString& language : languages) {
    SCOPED_TRACE(language.toStdString());
    qputenv("LANGUAGE", language.toLatin1());
    ASSERT_EQ(Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr")), language);
    const QString file = Translations + QStringLiteral("/tierce_%1.ts").arg(language);
    const QHash<QString, QString> translated = TranslationsOf(file);
    TMain main;
    // Each thing said goes: the texts are gathered at every step of the round.
    QStringList shown = ShownTexts(main);
    main.Choix3->setCurrentIndex(1);
    main.PressGridCell(0, 0);  // refused: two drop-downs hold horse 2
    shown << ShownTexts(main);
    main.Choix3->setCurrentIndex(8);
    main.PressGridCell(0, 1);
    shown << ShownTexts(main);
    PlayRound(main, [&] {
      shown << ShownTexts(main);
      RunTicks(main, 2000);
    });
    shown << ShownTexts(main);

    QStringList rules;
    for (const char* rule : PictureWords::PanelRules) rules << translated[QString::fromUtf8(rule)];
    const QString description =
        QAccessible::queryAccessibleInterface(main.PanelPropos)->text(QAccessible::Description);
    EXPECT_EQ(description, rules.join(QStringLiteral(". ")) + u'.');
    shown.removeAll(description);
    shown.removeDuplicates();
    const QStringList texts = TextsOf(file, true);
    for (const QString& text : shown) {
      EXPECT_TRUE(Matches(text, texts)) << "not from its translation: " << text.toStdString();
    }
    QStringList french;
    for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
      if (it.key() != it.value()) french << it.key();
    }
    for (const QString& text : shown) {
      EXPECT_FALSE(Matches(text, french)) << "French left: " << text.toStdString();
    }
    EXPECT_NE(main.Image1->Picture.Image(), frenchPanel) << "the panel's words in French";
  }
  qunsetenv("LANGUAGE");
  Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr"));
  SetSoundPlayer(nullptr);
}

// In the source language too, a text the game shows that no translation file knows of is one
// that translators never see.
TEST_F(GameTest, EveryTextShownIsASourceOfTheTranslations) {
  PlayRound(*main, [this] { FinishRace(); });
  const QStringList files = QDir(Translations).entryList({QStringLiteral("*.ts")});
  ASSERT_FALSE(files.isEmpty());
  const QStringList sources = TextsOf(Translations + u'/' + files.first(), false);
  const QStringList shown = ShownTexts(*main);
  EXPECT_GT(shown.size(), 20);
  for (const QString& text : shown) {
    EXPECT_TRUE(Matches(text, sources)) << "not a translation source: " << text.toStdString();
  }
}
