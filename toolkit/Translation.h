#pragma once

#include <QString>
#include <QStringList>

// The program's texts in the user's language. The texts in the code are the source language's;
// each translation is a compiled Qt Linguist file embedded as :/translations/<program>_<lang>.qm,
// so that a new language needs no code.
namespace Translation {

// The locale variables in the order desktops read them for messages.
struct TLocaleVariables {
  const char* Language = nullptr;  // LANGUAGE: a colon-separated list, most wanted first
  const char* LcAll = nullptr;
  const char* LcMessages = nullptr;
  const char* Lang = nullptr;
};

TLocaleVariables FromEnvironment();

// The first language the user wants that `carried` holds ("en" for "en_GB.UTF-8" when only "en"
// is carried), or "" for the source language when the user wants it, asks for C or POSIX or names
// nothing usable. One who wants only languages that are not carried gets `fallback`.
QString ChooseLanguage(const TLocaleVariables& variables, const QStringList& carried,
                       const QString& sourceLanguage, const QString& fallback);

// The languages whose translation of `program` is embedded.
QStringList CarriedLanguages(const QString& program);

// Loads `program`'s translation and Qt's own for the language the environment asks for (English
// for a language not carried), in place of those loaded before, and installs them into the
// application if there is one yet.
// Returns the language chosen, "" for the source language.
QString Load(const QString& program, const QString& sourceLanguage);

// The language Load chose, "" for the source language.
QString Language();

// Installs the loaded translations into the application, made after Load.
void Install();

// `source` in the loaded language, also before the application exists (QCoreApplication's
// translate knows no translation then).
QString Text(const char* context, const char* source);

}  // namespace Translation
