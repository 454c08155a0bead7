#pragma once

#include "database.h"
#include "layout.h"

#include <memory>
#include <optional>
#include <vector>

namespace kelvor {

// Opens the database of `role` in the library with its own password.
std::unique_ptr<Database> openLibraryDatabase(const LibraryLayout& layout, DatabaseRole role);

// The per-centre databases, each holding a copy of one centre's table.
const std::vector<DatabaseRole>& centreDatabases();

// The per-centre database that keeps a copy of `table`, if any.
std::optional<DatabaseRole> centreDatabaseOf(const QString& table);

}  // namespace kelvor
