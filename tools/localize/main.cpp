// Writes a template's lines, each line marked @Key@ once per language with the store text of that
// key: English, the default, from its .qm file; French, the texts' own language; then the other
// languages in the order given.
// Usage: localize TEMPLATE OUTPUT LANG=QMFILE...
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "packaging/StoreTexts.h"

namespace {

struct TLanguage {
  QString Code;                   // empty for English, the default
  QHash<QString, QString> Texts;  // by key
};

[[noreturn]] void Fail(const QString& message) {
  throw std::runtime_error(message.toStdString());
}

TLanguage French() {
  TLanguage french{QStringLiteral("fr"), {}};
  for (const auto& text : StoreTexts::Texts) french.Texts.insert(text.Key, text.Source);
  return french;
}

// A shipped language says everything: an untranslated text fails the build.
TLanguage Translated(const QString& code, const QString& qmFile) {
  QTranslator translator;
  if (!translator.load(qmFile)) Fail(QStringLiteral("cannot read %1 for %2").arg(qmFile, code));
  TLanguage language{code, {}};
  for (const auto& text : StoreTexts::Texts) {
    const QString translation = translator.translate(StoreTexts::Context, text.Source);
    if (translation.isEmpty()) {
      Fail(QStringLiteral("%1 is not translated into %2 (%3)").arg(text.Key, code, qmFile));
    }
    language.Texts.insert(text.Key, translation);
  }
  return language;
}

std::vector<TLanguage> Languages(const QStringList& arguments) {
  std::vector<TLanguage> languages{French()};
  for (const QString& argument : arguments) {
    const qsizetype equals = argument.indexOf('=');
    if (equals < 1) Fail(QStringLiteral("not LANG=QMFILE: %1").arg(argument));
    languages.push_back(Translated(argument.left(equals), argument.mid(equals + 1)));
  }
  // English, the untranslated default, goes first and has no language code.
  const auto english =
      std::find_if(languages.begin(), languages.end(),
                   [](const TLanguage& language) { return language.Code == "en"; });
  if (english == languages.end()) Fail(QStringLiteral("no en=QMFILE: English is the default"));
  std::rotate(languages.begin(), english, english + 1);
  languages.front().Code.clear();
  return languages;
}

// `Key=@Key@` is a desktop entry's line, written `Key[fr]=` in French; `<tag>@Key@</tag>` is
// XML, written `<tag xml:lang="fr">` in French.
QString Localized(const QString& line, const std::vector<TLanguage>& languages) {
  static const QRegularExpression marker(QStringLiteral("@(\\w+)@"));
  const QRegularExpressionMatch match = marker.match(line);
  if (!match.hasMatch()) return line + '\n';
  const QString key = match.captured(1);
  const QString before = line.left(match.capturedStart());
  const QString after = line.mid(match.capturedEnd());
  const bool xml = before.endsWith('>');
  if (!xml && !before.endsWith('=')) Fail(QStringLiteral("@%1@ follows neither = nor >").arg(key));
  if (!languages.front().Texts.contains(key)) Fail(QStringLiteral("no store text @%1@").arg(key));
  QString lines;
  for (const TLanguage& language : languages) {
    QString head = before;
    if (!language.Code.isEmpty()) {
      head.insert(head.size() - 1, xml ? QStringLiteral(" xml:lang=\"%1\"").arg(language.Code)
                                       : QStringLiteral("[%1]").arg(language.Code));
    }
    const QString& text = language.Texts[key];
    lines += head + (xml ? text.toHtmlEscaped() : text) + after + '\n';
  }
  return lines;
}

void Localize(const QString& templatePath, const QString& outputPath,
              const std::vector<TLanguage>& languages) {
  QFile input(templatePath);
  if (!input.open(QIODevice::ReadOnly)) Fail(QStringLiteral("cannot read %1").arg(templatePath));
  QString output;
  QTextStream lines(&input);
  while (!lines.atEnd()) output += Localized(lines.readLine(), languages);
  // All or nothing: a failed run leaves no half-written file behind.
  QSaveFile file(outputPath);
  if (!file.open(QIODevice::WriteOnly) || file.write(output.toUtf8()) < 0 || !file.commit()) {
    Fail(QStringLiteral("cannot write %1").arg(outputPath));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: localize TEMPLATE OUTPUT LANG=QMFILE...\n");
    return 2;
  }
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  try {
    Localize(arguments[0], arguments[1], Languages(arguments.mid(2)));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "localize: %s: %s\n", argv[2], e.what());
    return 1;
  }
  return 0;
}
