#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>
#include <QStringList>

#include "toolkit/EToolkitError.h"

// The resources embedded in the executable, found by name without regard to case.
namespace Resources {

// The bytes of the named resource; throws EToolkitError naming it when there is none.
QByteArray Load(const QString& name);

// One reading of the named resource's bytes, for a reader that decodes them and keeps what it
// decoded. Bytes read where the executable holds them would stay in memory for good once read;
// the reading hands their pages back as it ends.
class TReading {
 public:
  explicit TReading(const QString& name);
  ~TReading();
  TReading(const TReading&) = delete;
  TReading& operator=(const TReading&) = delete;

  const QByteArray& Bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
  bool inPlace_ = false;
};

bool Exists(const QString& name);

// `error` as "<kind> « <name> » : <why>": a decoder knows only bytes, a report must say which
// resource is damaged.
EToolkitError NamedError(const QString& name, const QString& kind, const EToolkitError& error);

// The bytes of the named resource, decoded by `decode`; a missing or damaged one throws NamedError.
template <class TDecode>
auto Decode(const QString& name, const QString& kind, TDecode decode) {
  try {
    const TReading reading(name);
    return decode(reading.Bytes());
  } catch (const EToolkitError& error) {
    throw NamedError(name, kind, error);
  }
}

// An icon made of the named PNG pictures, one a size; a picture that cannot be read is left out.
QIcon LoadIcon(const QStringList& names);

}  // namespace Resources
