#include "sharedconnection.h"

namespace kelvor {

SharedConnection::SharedConnection(LibraryLayout layout) : m_layout(std::move(layout)) {}

void SharedConnection::open(DatabaseRole role)
{
    // Re-opening on the database it already has would only repeat the key
    // derivation, which is slow by design; the result is the same.
    if (m_db && m_role == role) return;
    close();
    const auto& info = databaseInfo(role);
    m_db = Database::open(m_layout.databasePath(role), info.password);
    m_role = role;
    if (role != DatabaseRole::Content) {
        try {
            const auto& content = databaseInfo(DatabaseRole::Content);
            m_db->attach(QString::fromLatin1(kContentSchema), m_layout.databasePath(DatabaseRole::Content),
                         content.password);
        } catch (const DatabaseError&) {
            // Without the content database only this database's own tables are
            // reachable; a query on a content table then fails on its own.
        }
    }
}

void SharedConnection::close() { m_db.reset(); }

Database& SharedConnection::db()
{
    if (!m_db) throw DatabaseError(DatabaseErrorKind::Closed, QStringLiteral("数据库连接未打开"));
    return *m_db;
}

QString SharedConnection::contentTable(const QString& table) const
{
    if (m_db && m_role == DatabaseRole::Content) return table;
    return QString::fromLatin1(kContentSchema) + QLatin1Char('.') + table;
}

}  // namespace kelvor
