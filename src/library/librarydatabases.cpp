#include "librarydatabases.h"

namespace kelvor {

std::unique_ptr<Database> openLibraryDatabase(const LibraryLayout& layout, DatabaseRole role)
{
    return Database::open(layout.databasePath(role), databaseInfo(role).password);
}

const std::vector<DatabaseRole>& centreDatabases()
{
    static const std::vector<DatabaseRole> all = {DatabaseRole::Centre981, DatabaseRole::Centre982,
                                                  DatabaseRole::Centre983, DatabaseRole::Centre985,
                                                  DatabaseRole::Centre986};
    return all;
}

std::optional<DatabaseRole> centreDatabaseOf(const QString& table)
{
    for (const DatabaseRole role : centreDatabases()) {
        if (databaseInfo(role).tables.contains(table)) return role;
    }
    return std::nullopt;
}

}  // namespace kelvor
