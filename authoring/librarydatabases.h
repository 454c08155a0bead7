#pragma once

#include "librarycontent.h"

#include "library/layout.h"

#include <optional>

namespace kelvor::authoring {

// Creates every database of the layout, keyed with its password, with all tables.
void createLibraryDatabases(const LibraryLayout& layout);

// The per-centre database that keeps a copy of `table`, if any.
std::optional<DatabaseRole> centreDatabaseOf(const QString& table);

// Writes the content's rows into databases made by createLibraryDatabases.
// Each table is written in one transaction.
void writeLibraryDatabases(const LibraryLayout& layout, const LibraryContent& content);

std::unique_ptr<Database> openLibraryDatabase(const LibraryLayout& layout, DatabaseRole role);

}  // namespace kelvor::authoring
