#pragma once

#include "library/layout.h"

#include <QString>

namespace kelvor {

// True when `path` exists and, with every link on the way followed, lies
// inside `folder` (itself resolved the same way).
bool liesInsideFolder(const QString& folder, const QString& path);

// True when `path` exists and, with every link on the way followed, lies
// inside the library folder. A record's fields can name a folder of the
// library that is a link to elsewhere; only what truly lies inside may be
// started, opened or shown.
bool liesInsideLibrary(const LibraryLayout& layout, const QString& path);

}  // namespace kelvor
