#include "toolkit/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdlib>
#include <memory>

namespace {

const QString TranslationsFolder = QStringLiteral(":/translations");

// Of those carried, the most widely read: what a user whose language is not carried gets.
const QString FallbackLanguage = QStringLiteral("en");

QString loadedLanguage;
std::unique_ptr<QTranslator> ownTranslator;
std::unique_ptr<QTranslator> qtTranslator;

// "en_GB.UTF-8@euro" gives "en_GB" then "en"; garbage gives nothing.
QStringList Candidates(const QString& entry) {
  static const QRegularExpression locale(
      QStringLiteral("^([a-z]{2,3})(_[A-Z]{2}|_[0-9]{3})?(\\.[^@]*)?(@.*)?$"));
  const QRegularExpressionMatch match = locale.match(entry);
  if (!match.hasMatch()) return {};
  QStringList candidates;
  if (match.hasCaptured(2)) candidates << match.captured(1) + match.captured(2);
  candidates << match.captured(1);
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
  for (const QString& file :
       QDir(TranslationsFolder).entryList({prefix + QStringLiteral("*.qm")})) {
    languages << file.mid(prefix.size()).chopped(3);
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
