#pragma once

#include "librarycontent.h"

namespace kelvor::authoring {

// The demo library: real programming material in every centre, with its
// documents, pictures, players, source folders, keywords, notes and favourites.
// The same content every time (the databases are encrypted with a fresh
// random salt, so only their rows repeat, not their bytes).
LibraryContent buildDemoContent();

// Writes the databases and files of `content` into a data root that has none.
void writeLibraryContent(const QString& dataRoot, const LibraryContent& content);

// `kelvor-library demo DIR`: replaces the library that a previous run wrote in DIR.
void writeDemoLibrary(const QString& dataRoot);

}  // namespace kelvor::authoring
