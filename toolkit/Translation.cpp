#include "toolkit/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

const QString TranslationsFolder = QStringLiteral(":/translations");

// Of those carried, the most widely read: what a user whose language is not carried gets.
const QString FallbackLanguage = QStringLiteral("en");

QString loadedLanguage;
std::unique_ptr<QTranslator> ownTranslator;
std::unique_ptr<QTranslator> qtTranslator;

bool AllOf(QStringView text, bool (*test)(char16_t)) {
  return std::all_of(text.begin(), text.end(), [test](QChar c) { return test(c.unicode()); });
}

bool IsLower(char16_t c) {
  return c >= u'a' && c <= u'z';
}

bool IsUpper(char16_t c) {
  return c >= u'A' && c <= u'Z';
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// "en_GB.UTF-8@euro" gives "en_GB" then "en"; garbage gives nothing. Parsed by hand: a regular
// expression would bring its engine's code into memory for this one line.
QStringList Candidates(const QString& entry) {
  // language[_TERRITORY][.codeset][@modifier]
  const QStringView name = QStringView(entry).left(entry.indexOf(u'@'));
  const QStringView locale = name.left(name.indexOf(u'.'));
  const qsizetype underscore = locale.indexOf(u'_');
  const QStringView language = locale.left(underscore);
  const QStringView territory = underscore < 0 ? QStringView() : locale.mid(underscore + 1);
  const bool validLanguage =
      (language.size() == 2 || language.size() == 3) && AllOf(language, IsLower);
  const bool validTerritory = underscore < 0 ||
                              (territory.size() == 2 && AllOf(territory, IsUpper)) ||
                              (territory.size() == 3 && AllOf(territory, IsDigit));
  if (!validLanguage || !validTerritory) return {};
  QStringList candidates;
  if (underscore >= 0) candidates << locale.toString();
  candidates << language.toString();
  return candidates;
}

bool AsksForSource(const QString& entry, const QString& sourceLanguage) {
  return entry == QLatin1String("C") || entry.startsWith(QLatin1String("C.")) ||
         entry == QLatin1String("POSIX") || Candidates(entry).contains(sourceLanguage);
}

const char* FirstSet(std::initializer_list<const char*> values) {
  for (const char* value : values) {
    if (value && *value) return value;
  }
  return nullptr;
}

void Uninstall() {
  if (!QCoreApplication::instance()) return;
  for (const auto& translator : {ownTranslator.get(), qtTranslator.get()}) {
    if (translator) QCoreApplication::removeTranslator(translator);
  }
}

}  // namespace

Translation::TLocaleVariables Translation::FromEnvironment() {
  return {std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
          std::getenv("LANG")};
}

QString Translation::ChooseLanguage(const TLocaleVariables& variables, const QStringList& carried,
                                    const QString& sourceLanguage, const QString& fallback) {
  // LANGUAGE lists the user's languages in order; the locale (LC_ALL over LC_MESSAGES over LANG)
  // comes after them.
  QStringList wanted;
  if (variables.Language) wanted = QString::fromLocal8Bit(variables.Language).split(u':');
  if (const char* locale = FirstSet({variables.LcAll, variables.LcMessages, variables.Lang})) {
    wanted << QString::fromLocal8Bit(locale);
  }
  bool wantsAnother = false;
  for (const QString& entry : wanted) {
    if (entry.isEmpty()) continue;
    if (AsksForSource(entry, sourceLanguage)) return {};
    const QStringList candidates = Candidates(entry);
    for (const QString& candidate : candidates) {
      if (carried.contains(candidate)) return candidate;
    }
    wantsAnother = wantsAnother || !candidates.isEmpty();
  }
  return wantsAnother && carried.contains(fallback) ? fallback : QString();
}

QStringList Translation::CarriedLanguages(const QString& program) {
  const QString prefix = program + u'_';
  QStringList languages;
  // Matched by hand, not by a name filter, which is a regular expression.
  for (const QString& file : QDir(TranslationsFolder).entryList(QDir::Files)) {
    if (file.startsWith(prefix) && file.endsWith(QLatin1String(".qm"))) {
      languages << file.mid(prefix.size()).chopped(3);
    }
  }
  return languages;
}

QString Translation::Load(const QString& program, const QString& sourceLanguage) {
  Uninstall();
  const QString language = ChooseLanguage(FromEnvironment(), CarriedLanguages(program),
                                          sourceLanguage, FallbackLanguage);
  loadedLanguage = language;
  ownTranslator = std::make_unique<QTranslator>();
  if (!language.isEmpty()) {
    (void)ownTranslator->load(program + u'_' + language, TranslationsFolder);
  }
  // Qt's own texts (a dialog's buttons, the actions screen readers list) in the same language; a
  // system without Qt's translations shows them in English.
  qtTranslator = std::make_unique<QTranslator>();
  (void)qtTranslator->load(
      QStringLiteral("qtbase_") + (language.isEmpty() ? sourceLanguage : language),
      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  Install();
  return language;
}

QString Translation::Language() {
  return loadedLanguage;
}

void Translation::Install() {
  if (!QCoreApplication::instance()) return;
  Uninstall();
  for (const auto& translator : {qtTranslator.get(), ownTranslator.get()}) {
    if (translator && !translator->isEmpty()) QCoreApplication::installTranslator(translator);
  }
}

QString Translation::Text(const char* context, const char* source) {
  const QString translated = ownTranslator ? ownTranslator->translate(context, source) : QString();
  return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
