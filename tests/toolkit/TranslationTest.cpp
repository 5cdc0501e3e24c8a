#include <gtest/gtest.h>

#include "toolkit/Translation.h"

namespace {

TEST(Translation, TheFirstCarriedLanguageTheUserWantsIsChosenAnotherGivesEnglishAndNoneTheSource) {
  using Translation::TLocaleVariables;
  struct Case {
    const char* name;
    TLocaleVariables variables;
    const char* chosen;
  };
  const Case cases[] = {
      {"nothing set", {}, ""},
      {"English by the locale", {nullptr, nullptr, nullptr, "en_US.UTF-8"}, "en"},
      {"a region and a modifier", {nullptr, nullptr, nullptr, "en_GB.ISO-8859-15@euro"}, "en"},
      {"the source language", {nullptr, nullptr, nullptr, "fr_FR.UTF-8"}, ""},
      {"the C locale", {nullptr, nullptr, nullptr, "C.UTF-8"}, ""},
      {"POSIX", {nullptr, nullptr, nullptr, "POSIX"}, ""},
      {"a language not carried", {nullptr, nullptr, nullptr, "pt_BR.UTF-8"}, "en"},
      {"only languages not carried", {"pt:ja_JP", nullptr, nullptr, nullptr}, "en"},
      {"one not carried, then C", {"pt", nullptr, nullptr, "C"}, ""},
      {"garbage", {nullptr, nullptr, nullptr, "\xff;rm -rf ../"}, ""},
      {"LANGUAGE first", {"en", nullptr, nullptr, "fr_FR.UTF-8"}, "en"},
      {"LANGUAGE even over C", {"en", nullptr, nullptr, "C"}, "en"},
      {"LANGUAGE's list in order", {"pt:fr:en", nullptr, nullptr, nullptr}, ""},
      {"past what is not carried", {"pt_BR:pt:de_AT:en_US", nullptr, nullptr, nullptr}, "de"},
      {"an empty LANGUAGE", {"", nullptr, nullptr, "en_US.UTF-8"}, "en"},
      {"garbage in LANGUAGE", {"::x!:", nullptr, nullptr, "en_US.UTF-8"}, "en"},
      {"LC_ALL over the others", {nullptr, "fr_FR.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, ""},
      {"LC_MESSAGES over LANG", {nullptr, nullptr, "en_US.UTF-8", "fr_FR.UTF-8"}, "en"},
      {"an empty LC_ALL counts as unset", {nullptr, "", nullptr, "en_US.UTF-8"}, "en"},
      {"garbage in LC_ALL hides LANG", {nullptr, "zz~~", nullptr, "en_US.UTF-8"}, ""},
      {"a numeric region, a codeset with an @",
       {"es_419:de_AT.UTF-8@euro", nullptr, nullptr, nullptr},
       "de"},
      {"malformed names skipped", {"deu:de_at:de_A1:e:de_AT_x:@de", nullptr, nullptr, "C"}, ""},
      {"a three-letter language", {"deu_DE", nullptr, nullptr, nullptr}, "en"},
  };
  const QStringList carried = {QStringLiteral("de"), QStringLiteral("en")};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Translation::ChooseLanguage(c.variables, carried, QStringLiteral("fr"),
                                          QStringLiteral("en")),
              QString::fromLatin1(c.chosen));
  }
}

}  // namespace
