#pragma once

#include <QByteArray>
#include <QString>

// The resources embedded in the executable, found by name without regard to case.
namespace Resources {

// The bytes of the named resource; throws EToolkitError naming it when there is none.
QByteArray Load(const QString& name);

bool Exists(const QString& name);

}  // namespace Resources
