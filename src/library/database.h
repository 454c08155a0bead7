#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvor {

// Why a database could not be used; the window turns each into its own message.
enum class DatabaseErrorKind {
    Missing,        // no file at the path
    WrongPassword,  // a keyed library file, but the password does not open it
    NotADatabase,   // the file is not a library database at all
    Unreadable,     // the file is there but this user may not read it
    InUse,          // another program holds a lock on the file
    Query,          // a statement failed (bad SQL, missing table, constraint)
    Closed,         // used before open or after close
};

// An identifier (table, schema) quoted for SQL text. Only names from our own
// lists reach SQL this way; values always go in as bound parameters.
QString quoteIdentifier(const QString& name);

class DatabaseError : public std::runtime_error {
public:
    DatabaseError(DatabaseErrorKind kind, const QString& message);
    DatabaseErrorKind kind() const { return m_kind; }
    QString message() const { return QString::fromUtf8(what()); }

private:
    DatabaseErrorKind m_kind;
};

// One row of a result. Values are read by column name or index; NULL and ""
// read alike as empty text, since the library's fields use both for "absent".
class Row {
public:
    Row() = default;
    Row(std::shared_ptr<const QStringList> columns, QVariantList values);

    QString text(const QString& column) const;
    QString text(int index) const;
    QVariant value(const QString& column) const;
    QVariant value(int index) const;
    bool isEmpty(const QString& column) const { return text(column).isEmpty(); }
    int indexOf(const QString& column) const;
    int size() const { return int(m_values.size()); }
    const QStringList& columns() const;

private:
    std::shared_ptr<const QStringList> m_columns;
    QVariantList m_values;
};

class Database;

// A prepared statement. Parameters are always bound, never pasted into SQL.
class Statement {
public:
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept;

    void bind(int index, const QVariant& value);  // 1-based
    void bindAll(const QVariantList& values);
    bool step();  // true while a row is available
    void reset();

    int columnCount() const;
    QString columnName(int index) const;
    QString text(int index) const;
    // text(index) into `into`, reusing its buffer: a loop over a hundred
    // thousand rows then allocates nothing per row. NULL reads as empty.
    void readText(int index, QString& into) const;
    QVariant value(int index) const;
    Row row() const;

private:
    Database* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    mutable std::shared_ptr<const QStringList> m_columns;
};

// A library database: an SQLCipher file keyed with its password. Every
// connection carries the text rules the library's queries rely on: a `like`
// that ignores case over all scripts, len(), right(), and the PINYIN collation.
class Database {
public:
    // Opens an existing file; never creates one. A path without extension
    // that does not exist opens the `.mdb` file of that name.
    static std::unique_ptr<Database> open(const QString& path, const QString& password);
    // Creates a new, empty keyed database (the authoring tool's use).
    static std::unique_ptr<Database> create(const QString& path, const QString& password);

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    // Runs a statement that returns no rows; gives the number of changed rows.
    int execute(const QString& sql, const QVariantList& params = {});
    // Runs several statements without parameters (schema scripts).
    void executeScript(const QString& sql);
    std::vector<Row> query(const QString& sql, const QVariantList& params = {});
    // First column of the first row, or an invalid QVariant when there is none.
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    bool hasTable(const QString& table, const QString& schema = QStringLiteral("main"));
    QStringList columnsOf(const QString& table, const QString& schema = QStringLiteral("main"));

    // Makes the tables of another keyed file reachable as `schema.table`.
    void attach(const QString& schema, const QString& path, const QString& password);
    void detach(const QString& schema);
    bool isAttached(const QString& schema);

    [[noreturn]] void fail(const QString& what) const;

private:
    Database(sqlite3* db, QString path);
    static std::unique_ptr<Database> openKeyed(const QString& path, const QString& password, int flags);

    sqlite3* m_db = nullptr;
    QString m_path;
};

// Rolls back unless committed, so a failed write leaves the database as it was.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

}  // namespace kelvor
