#pragma once

#include "librarycontent.h"

#include "library/librarydatabases.h"

#include <optional>

namespace kelvor::authoring {

// Creates every database of the layout, keyed with its password, with all tables.
void createLibraryDatabases(const LibraryLayout& layout);

// Writes the content's rows into databases made by createLibraryDatabases.
// Each table is written in one transaction.
void writeLibraryDatabases(const LibraryLayout& layout, const LibraryContent& content);

}  // namespace kelvor::authoring
