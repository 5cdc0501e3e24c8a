#pragma once

#include <QString>

// An on/off choice kept in the user's configuration: Qt's settings file in the XDG configuration
// folder, <organisation>/<application>.conf, which Qt replaces whole on each write (a new file
// renamed over the old one), so that a program killed while writing leaves the old file or the
// new. The program goes on whatever the file holds: one that cannot be read, is no file, or holds
// no boolean under the key gives the initial value, and one that cannot be written keeps the
// choice for the run; each says so in one line on stderr, naming the file.
class TStoredSwitch {
 public:
  TStoredSwitch(const QString& organisation, const QString& application, QString key, bool initial);

  bool Value() const { return value_; }
  void Store(bool value);

 private:
  QString path_;
  QString key_;
  bool value_ = true;
  bool writeFailureTold_ = false;
};
