#include "toolkit/StoredSwitch.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <optional>
#include <utility>

namespace {

// Far more than one switch takes: a bigger file is no configuration of ours, and is not read.
constexpr qint64 LargestFile = 64 * 1024;

// A file that is no regular file (a folder, a pipe) is never opened: reading a pipe would wait
// for a writer.
bool MayOpen(const QString& path) {
  const QFileInfo file(path);
  return !file.exists() || file.isFile();
}

// Each line a section, a key and its value, a comment or blank, as Qt writes them: a file cut
// short in the middle of a line is not taken for one that stores nothing.
bool EveryLineReads(const QByteArray& bytes) {
  for (const QByteArray& line : bytes.split('\n')) {
    const QByteArray text = line.trimmed();
    const bool section = text.startsWith('[') && text.endsWith(']');
    if (!text.isEmpty() && !section && !text.startsWith(';') && !text.contains('=')) return false;
  }
  return true;
}

struct TStored {
  bool Usable = true;
  std::optional<bool> Value;
};

TStored Read(const QString& path, const QString& key) {
  QFile file(path);
  if (!file.exists()) return {};
  if (!MayOpen(path) || file.size() > LargestFile || !file.open(QFile::ReadOnly)) {
    return {false, {}};
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFile::NoError || !EveryLineReads(bytes)) return {false, {}};
  const QSettings settings(path, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return {false, {}};
  if (!settings.contains(key)) return {};
  // Qt writes a boolean as one of these words; anything else is not ours.
  const QString word = settings.value(key).toString();
  if (word != QLatin1String("true") && word != QLatin1String("false")) return {false, {}};
  return {true, word == QLatin1String("true")};
}

// Qt's status keeps a format error found while reading; only an access error says the write
// failed. An unreadable file is replaced whole.
bool Write(const QString& path, const QString& key, bool value) {
  if (!MayOpen(path)) return false;
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue(key, value);
  settings.sync();
  return settings.status() != QSettings::AccessError;
}

void Tell(const char* message, const QString& path) {
  const QString line = QCoreApplication::translate("TStoredSwitch", message);
  std::fprintf(stderr, "%s\n", qPrintable(line.arg(QCoreApplication::applicationName(), path)));
}

}  // namespace

TStoredSwitch::TStoredSwitch(const QString& organisation, const QString& application, QString key,
                             bool initial)
    : path_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
            organisation + u'/' + application + QStringLiteral(".conf")),
      key_(std::move(key)) {
  const TStored stored = Read(path_, key_);
  value_ = stored.Value.value_or(initial);
  if (!stored.Usable) {
    Tell(QT_TRANSLATE_NOOP("TStoredSwitch", "%1 : %2 est illisible ; réglages par défaut"), path_);
  }
}

void TStoredSwitch::Store(bool value) {
  value_ = value;
  if (Write(path_, key_, value) || std::exchange(writeFailureTold_, true)) return;
  Tell(QT_TRANSLATE_NOOP("TStoredSwitch",
                         "%1 : impossible d'enregistrer le réglage dans %2 ; il vaut pour cette "
                         "partie seulement"),
       path_);
}
