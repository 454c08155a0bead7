#pragma once

#include "database.h"
#include "layout.h"

#include <memory>

namespace kelvor {

// The process-wide connection. It moves between the library's databases as
// operations need them; tables of the content database stay reachable from
// wherever it is, because the content database is attached as `kvjs` whenever
// another database is open.
class SharedConnection {
public:
    explicit SharedConnection(LibraryLayout layout);

    // Closes the connection if open, then opens it on `role`'s database.
    // Throws DatabaseError; the connection is then closed.
    void open(DatabaseRole role);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    DatabaseRole role() const { return m_role; }
    Database& db();

    // A content-database table as the current connection reaches it.
    QString contentTable(const QString& table) const;

    const LibraryLayout& layout() const { return m_layout; }

    static constexpr const char* kContentSchema = "kvjs";

private:
    LibraryLayout m_layout;
    std::unique_ptr<Database> m_db;
    DatabaseRole m_role = DatabaseRole::Content;
};

}  // namespace kelvor
