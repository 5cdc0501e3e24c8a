#include "toolkit/Resources.h"

#include <QDir>
#include <QPixmap>
#include <QResource>

#include "toolkit/EToolkitError.h"

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

}  // namespace

namespace Resources {

QByteArray Load(const QString& name) {
  const QString path = FindPath(name);
  const QResource resource(path);
  if (path.isEmpty() || !resource.isValid()) {
    throw EToolkitError(QStringLiteral("Ressource introuvable : %1").arg(name).toStdString());
  }
  // Stored as they are, the bytes are read where the executable holds them, never copied: the
  // crowd's wave alone is 0.6 MB. Writing to them would make a copy first.
  if (resource.compressionAlgorithm() == QResource::NoCompression) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   qsizetype(resource.size()));
  }
  return resource.uncompressedData();
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
    QPixmap picture;
    picture.loadFromData(Load(name), "PNG");
    icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace Resources
