#include "sharedconnection.h"

#include "containsindex.h"

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
    if (m_indexPlace == IndexPlace::Cache) attachCache();
}

void SharedConnection::attachCache()
{
    try {
        m_db->attach(QString::fromLatin1(kCacheSchema), m_cachePath, m_cachePassword);
    } catch (const DatabaseError&) {
        // Without the cache the searches fail on their own, as without the content database.
    }
}

void SharedConnection::useIndexCache(const QString& path, const QString& password)
{
    m_cachePath = path;
    m_cachePassword = password;
    m_indexPlace = IndexPlace::Cache;
    if (m_db && !m_db->isAttached(QString::fromLatin1(kCacheSchema))) attachCache();
}

void SharedConnection::adoptIndexPlace(const SharedConnection& other)
{
    if (other.m_indexPlace == IndexPlace::Cache)
        useIndexCache(other.m_cachePath, other.m_cachePassword);
    else
        setIndexPlace(other.m_indexPlace);
}

void SharedConnection::setIndexPlace(IndexPlace place)
{
    if (m_indexPlace == IndexPlace::Cache && m_db) m_db->detach(QString::fromLatin1(kCacheSchema));
    m_indexPlace = place;
}

QString SharedConnection::titleTable(const QString& table) const
{
    if (m_indexPlace == IndexPlace::Cache) return QString::fromLatin1(kCacheSchema) + QLatin1Char('.') + table;
    return contentTable(table);
}

QString SharedConnection::containsIndex(const QString& table) const
{
    const QString index = containsindex::indexTableFor(table);
    switch (m_indexPlace) {
    case IndexPlace::None:
        return {};
    case IndexPlace::Cache:
        return QString::fromLatin1(kCacheSchema) + QLatin1Char('.') + index;
    case IndexPlace::Library:
        break;
    }
    // A library written before the index existed, and not yet prepared, is scanned.
    if (!m_db) return {};
    const bool onContent = m_role == DatabaseRole::Content;
    const QString schema = onContent ? QStringLiteral("main") : QString::fromLatin1(kContentSchema);
    try {
        if (!m_db->hasTable(index, schema)) return {};
    } catch (const DatabaseError&) {
        return {};
    }
    return contentTable(index);
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
