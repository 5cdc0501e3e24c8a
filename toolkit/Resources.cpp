#include "toolkit/Resources.h"

#include <sys/mman.h>
#include <unistd.h>
#include <QDir>
#include <QPixmap>
#include <QResource>
#include <cstdint>

#include "toolkit/EToolkitError.h"
#include "toolkit/QtDecode.h"

namespace {

const QString Root = QStringLiteral(":/res");

// `name` may start with a folder ("2x/Track"), whose name must match exactly.
QString FindPath(const QString& name) {
  const qsizetype slash = name.lastIndexOf('/');
  const QString folder = slash < 0 ? Root : Root + '/' + name.left(slash);
  const QString file = name.mid(slash + 1);
  const QStringList entries = QDir(folder).entryList(QDir::Files);
  for (const QString& entry : entries) {
    if (entry.compare(file, Qt::CaseInsensitive) == 0) return folder + '/' + entry;
  }
  return {};
}

struct TFound {
  QByteArray Bytes;
  // Stored as they are, the bytes are read where the executable holds them, never copied: the
  // crowd's wave alone is 0.6 MB. Writing to them would make a copy first.
  bool InPlace = false;
};

TFound Find(const QString& name) {
  const QString path = FindPath(name);
  const QResource resource(path);
  if (path.isEmpty() || !resource.isValid()) {
    throw EToolkitError(QStringLiteral("Ressource introuvable : %1").arg(name).toStdString());
  }
  if (resource.compressionAlgorithm() == QResource::NoCompression) {
    return {QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                    qsizetype(resource.size())),
            true};
  }
  return {resource.uncompressedData(), false};
}

// Unmaps the whole pages within bytes the executable holds: they are read-only and never
// written, so a later read maps them again from the file, unchanged.
void HandBack(const QByteArray& bytes) {
  const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
  const auto start = uintptr_t(bytes.constData());
  const uintptr_t first = (start + page - 1) / page * page;
  const uintptr_t end = (start + uintptr_t(bytes.size())) / page * page;
  if (first < end) madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}

}  // namespace

namespace Resources {

QByteArray Load(const QString& name) {
  return Find(name).Bytes;
}

TReading::TReading(const QString& name) {
  TFound found = Find(name);
  bytes_ = std::move(found.Bytes);
  inPlace_ = found.InPlace;
}

TReading::~TReading() {
  if (inPlace_) HandBack(bytes_);
}

bool Exists(const QString& name) {
  return !FindPath(name).isEmpty();
}

EToolkitError NamedError(const QString& name, const QString& kind, const EToolkitError& error) {
  return EToolkitError(QStringLiteral("%1 « %2 » : %3")
                           .arg(kind, name, QString::fromStdString(error.what()))
                           .toStdString());
}

QIcon LoadIcon(const QStringList& names) {
  QIcon icon;
  for (const QString& name : names) {
    icon.addPixmap(QPixmap::fromImage(DecodeWithQt(TReading(name).Bytes(), "PNG")));
  }
  return icon;
}

}  // namespace Resources
