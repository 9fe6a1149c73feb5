#pragma once
#include <QString>

namespace paths {

// Finds an existing file or folder whatever the case of its name on disk, component by component
// below `base` (which is taken as it is). An exact match is preferred; among several names that differ
// only in case, the first in sorted order wins. When a component cannot be found, the path is
// returned with the rest joined as given, so that the caller's open fails as it would have.
QString resolve(const QString &base, const QString &relative);

// The same for an absolute path: the root is taken as it is and every component below it resolved.
QString resolve(const QString &absolute);

// Joins with "/" whatever the inputs end or start with.
QString join(const QString &a, const QString &b);

} // namespace paths
