#include "toolkit/Density.h"

#include <QGuiApplication>

#include "toolkit/Resources.h"

int PictureRatio() {
  // The application's ratio is the highest among its screens.
  return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

TDenseResource DenseResource(const QString& name) {
  if (PictureRatio() == 1) return {name, 1};
  const QString twin = QStringLiteral("2x/") + name;
  if (!Resources::Exists(twin)) return {name, 1};
  return {twin, 2};
}
