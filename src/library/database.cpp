#include "database.h"

#include "textrules.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <sqlite3.h>

namespace kelvor {

namespace {

// SQLCipher's default page size; a keyed file is a whole number of pages.
constexpr qint64 kCipherPageSize = 1024;
// How long a statement waits for another program's lock before it gives up.
constexpr int kBusyTimeoutMs = 5000;

QString describe(DatabaseErrorKind kind, const QString& path)
{
    switch (kind) {
    case DatabaseErrorKind::Missing: return QStringLiteral("找不到数据库文件：%1").arg(path);
    case DatabaseErrorKind::WrongPassword: return QStringLiteral("数据库密码错误或文件已损坏：%1").arg(path);
    case DatabaseErrorKind::NotADatabase: return QStringLiteral("不是数据库文件：%1").arg(path);
    case DatabaseErrorKind::Unreadable: return QStringLiteral("没有读取数据库文件的权限：%1").arg(path);
    case DatabaseErrorKind::InUse: return QStringLiteral("数据库正被其他程序使用：%1").arg(path);
    default: return path;
    }
}

// A keyed file looks like random pages; anything else that refuses the key
// is not a library database at all (plain SQLite, text, a truncated file).
DatabaseErrorKind classifyUnreadable(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return DatabaseErrorKind::NotADatabase;
    const QByteArray head = f.read(16);
    if (head.startsWith("SQLite format 3")) return DatabaseErrorKind::NotADatabase;
    const qint64 size = f.size();
    if (size < kCipherPageSize || size % kCipherPageSize != 0) return DatabaseErrorKind::NotADatabase;
    return DatabaseErrorKind::WrongPassword;
}

QString resolvePath(const QString& path)
{
    if (QFileInfo::exists(path)) return path;
    // The content database is sometimes named without its extension.
    if (QFileInfo(path).suffix().isEmpty() && QFileInfo::exists(path + QStringLiteral(".mdb")))
        return path + QStringLiteral(".mdb");
    return path;
}

}  // namespace

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

DatabaseError::DatabaseError(DatabaseErrorKind kind, const QString& message)
    : std::runtime_error(message.toStdString()), m_kind(kind)
{
}

// ---------------------------------------------------------------- Row

Row::Row(std::shared_ptr<const QStringList> columns, QVariantList values)
    : m_columns(std::move(columns)), m_values(std::move(values))
{
}

const QStringList& Row::columns() const
{
    static const QStringList none;
    return m_columns ? *m_columns : none;
}

int Row::indexOf(const QString& column) const
{
    if (!m_columns) return -1;
    for (int i = 0; i < m_columns->size(); ++i)
        if (m_columns->at(i).compare(column, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant Row::value(int index) const
{
    return index >= 0 && index < m_values.size() ? m_values.at(index) : QVariant();
}

QVariant Row::value(const QString& column) const { return value(indexOf(column)); }

QString Row::text(int index) const
{
    const QVariant v = value(index);
    return v.isNull() ? QString() : v.toString();
}

QString Row::text(const QString& column) const { return text(indexOf(column)); }

// ---------------------------------------------------------------- Statement

Statement::Statement(Database& db, const QString& sql) : m_db(&db)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db.handle(), utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK) {
        m_stmt = nullptr;
        db.fail(QStringLiteral("语句无法执行"));
    }
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_columns(std::move(other.m_columns))
{
    other.m_stmt = nullptr;
}

Statement::~Statement()
{
    if (m_stmt) sqlite3_finalize(m_stmt);
}

void Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, t.constData(), sqlite3_uint64(t.size()), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK) m_db->fail(QStringLiteral("参数无法绑定"));
}

void Statement::bindAll(const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) bind(i + 1, values.at(i));
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    m_db->fail(QStringLiteral("语句执行失败"));
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::columnName(int index) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, index));
}

QString Statement::text(int index) const
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, index)) : QString();
}

void Statement::readText(int index, QString& into) const
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
    const qsizetype bytes = p ? sqlite3_column_bytes(m_stmt, index) : 0;
    // A UTF-8 byte never yields more than one UTF-16 unit. Stateless, and
    // dropping a leading byte order mark: what QString::fromUtf8 makes of the bytes.
    into.resize(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QChar* end = decoder.appendToBuffer(into.data(), QByteArrayView(p, bytes));
    into.truncate(end - into.constData());
}

QVariant Statement::value(int index) const
{
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_NULL: return QVariant();
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(m_stmt, index)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_stmt, index));
    case SQLITE_BLOB: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(m_stmt, index));
        return QVariant(QByteArray(p, sqlite3_column_bytes(m_stmt, index)));
    }
    default: return QVariant(text(index));
    }
}

Row Statement::row() const
{
    if (!m_columns) {
        QStringList names;
        for (int i = 0; i < columnCount(); ++i) names << columnName(i);
        m_columns = std::make_shared<const QStringList>(std::move(names));
    }
    QVariantList values;
    values.reserve(columnCount());
    for (int i = 0; i < columnCount(); ++i) values << value(i);
    return Row(m_columns, std::move(values));
}

// ---------------------------------------------------------------- Database

Database::Database(sqlite3* db, QString path) : m_db(db), m_path(std::move(path)) {}

Database::~Database()
{
    if (m_db) sqlite3_close_v2(m_db);
}

void Database::fail(const QString& what) const
{
    const QString detail = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
    throw DatabaseError(DatabaseErrorKind::Query, QStringLiteral("%1：%2（%3）").arg(what, detail, m_path));
}

std::unique_ptr<Database> Database::openKeyed(const QString& path, const QString& password, int flags)
{
    sqlite3* raw = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &raw, flags, nullptr) != SQLITE_OK) {
        if (raw) sqlite3_close_v2(raw);
        throw DatabaseError(DatabaseErrorKind::NotADatabase, describe(DatabaseErrorKind::NotADatabase, path));
    }
    std::unique_ptr<Database> db(new Database(raw, path));
    const QByteArray key = password.toUtf8();
    if (!key.isEmpty() && sqlite3_key(raw, key.constData(), int(key.size())) != SQLITE_OK)
        throw DatabaseError(DatabaseErrorKind::WrongPassword, describe(DatabaseErrorKind::WrongPassword, path));
    // Another program's lock is waited out for a while, from the very first
    // read on: a file that is merely busy must not pass for a wrong key.
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    // The key is only checked when the first page is read.
    const int firstRead = sqlite3_exec(raw, "select count(*) from sqlite_master", nullptr, nullptr, nullptr);
    if (firstRead == SQLITE_BUSY || firstRead == SQLITE_LOCKED)
        throw DatabaseError(DatabaseErrorKind::InUse, describe(DatabaseErrorKind::InUse, path));
    if (firstRead != SQLITE_OK) {
        const auto kind = classifyUnreadable(path);
        throw DatabaseError(kind, describe(kind, path));
    }
    sqlite3_exec(raw, "pragma foreign_keys = off", nullptr, nullptr, nullptr);
    textrules::registerOn(raw);
    return db;
}

std::unique_ptr<Database> Database::open(const QString& requested, const QString& password)
{
    const QString path = resolvePath(requested);
    const QFileInfo info(path);
    if (!info.exists()) throw DatabaseError(DatabaseErrorKind::Missing, describe(DatabaseErrorKind::Missing, path));
    if (!info.isFile() || info.size() == 0)
        throw DatabaseError(DatabaseErrorKind::NotADatabase, describe(DatabaseErrorKind::NotADatabase, path));
    if (QFile probe(path); !probe.open(QIODevice::ReadOnly))
        throw DatabaseError(DatabaseErrorKind::Unreadable, describe(DatabaseErrorKind::Unreadable, path));
    if (password.isEmpty()) {
        // Every library database is keyed; opening one without its password
        // must not look like an empty database.
        throw DatabaseError(DatabaseErrorKind::WrongPassword, describe(DatabaseErrorKind::WrongPassword, path));
    }
    return openKeyed(path, password, SQLITE_OPEN_READWRITE);
}

std::unique_ptr<Database> Database::create(const QString& path, const QString& password)
{
    if (password.isEmpty())
        throw DatabaseError(DatabaseErrorKind::WrongPassword, QStringLiteral("数据库需要密码：%1").arg(path));
    QFile::remove(path);
    return openKeyed(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

int Database::execute(const QString& sql, const QVariantList& params)
{
    Statement st(*this, sql);
    st.bindAll(params);
    while (st.step()) {
    }
    return sqlite3_changes(m_db);
}

void Database::executeScript(const QString& sql)
{
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString detail = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        throw DatabaseError(DatabaseErrorKind::Query, QStringLiteral("语句执行失败：%1（%2）").arg(detail, m_path));
    }
}

std::vector<Row> Database::query(const QString& sql, const QVariantList& params)
{
    Statement st(*this, sql);
    st.bindAll(params);
    std::vector<Row> rows;
    while (st.step()) rows.push_back(st.row());
    return rows;
}

QVariant Database::scalar(const QString& sql, const QVariantList& params)
{
    Statement st(*this, sql);
    st.bindAll(params);
    return st.step() ? st.value(0) : QVariant();
}

bool Database::hasTable(const QString& table, const QString& schema)
{
    // The schema name comes from our own list of attached names, never from user text.
    return scalar(QStringLiteral("select count(*) from %1.sqlite_master where type in ('table','view') and name = ? collate nocase")
                      .arg(quoteIdentifier(schema)),
                  {table})
               .toInt() > 0;
}

QStringList Database::columnsOf(const QString& table, const QString& schema)
{
    // Pragmas take no parameters; both names are quoted identifiers.
    QStringList names;
    Statement st(*this, QStringLiteral("pragma %1.table_info(%2)").arg(quoteIdentifier(schema), quoteIdentifier(table)));
    while (st.step()) names << st.text(1);
    return names;
}

void Database::attach(const QString& schema, const QString& path, const QString& password)
{
    const QString resolved = resolvePath(path);
    if (!QFileInfo::exists(resolved))
        throw DatabaseError(DatabaseErrorKind::Missing, describe(DatabaseErrorKind::Missing, resolved));
    execute(QStringLiteral("attach database ? as %1 key ?").arg(quoteIdentifier(schema)), {resolved, password});
    try {
        scalar(QStringLiteral("select count(*) from %1.sqlite_master").arg(quoteIdentifier(schema)));
    } catch (const DatabaseError&) {
        detach(schema);
        const auto kind = classifyUnreadable(resolved);
        throw DatabaseError(kind, describe(kind, resolved));
    }
}

void Database::detach(const QString& schema)
{
    sqlite3_exec(m_db, QStringLiteral("detach database %1").arg(quoteIdentifier(schema)).toUtf8().constData(), nullptr, nullptr,
                 nullptr);
}

bool Database::isAttached(const QString& schema)
{
    Statement st(*this, QStringLiteral("pragma database_list"));
    while (st.step())
        if (st.text(1).compare(schema, Qt::CaseInsensitive) == 0) return true;
    return false;
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Database& db) : m_db(db) { m_db.executeScript(QStringLiteral("begin immediate")); }

Transaction::~Transaction()
{
    if (!m_done) sqlite3_exec(m_db.handle(), "rollback", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.executeScript(QStringLiteral("commit"));
    m_done = true;
}

}  // namespace kelvor
