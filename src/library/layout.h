#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kelvor {

// Every database of the library; each has its own file and password.
enum class DatabaseRole {
    Content,
    Centre981,  // jszx
    Centre982,  // slzx
    Centre983,  // xmzx
    Centre985,  // spzx
    Centre986,  // jmzx
    Favourites,
    TechKeywords,
    ExampleKeywords,
    SearchHistory,
};

struct DatabaseInfo {
    DatabaseRole role;
    QString relativePath;  // from the data root, starting with '/'
    QString password;
    QStringList tables;
    QString schema;  // the name it is attached under when another database is open
};

const std::vector<DatabaseInfo>& allDatabases();
const DatabaseInfo& databaseInfo(DatabaseRole role);

// The 27 keyword tables in their fixed listing order: akv … zkv, otherkv.
const QStringList& keywordTables();
// Table of a keyword by its first character (a–z after lower-casing, else otherkv).
QString keywordTableFor(const QString& keyword);

// Fields of every centre table, in the order the authoring tool creates them.
const QStringList& centreFields();

// Where every file of a content library lies. All paths use '/'.
class LibraryLayout {
public:
    explicit LibraryLayout(QString dataRoot);

    // The data root for a program folder: the folder itself, or an empty
    // prefix when the folder is a filesystem root ("/" -> "", "C:\" -> "C:"),
    // so that data root + "/kelvor" has exactly one separator.
    static QString dataRootFromProgramFolder(const QString& programFolder);

    QString dataRoot() const { return m_dataRoot; }
    QString libraryFolder() const { return m_dataRoot + QStringLiteral("/kelvor"); }

    QString databasePath(DatabaseRole role) const;
    QString contentDatabaseWithoutExtension() const;

    QString centreMainPage() const;          // <root>/9098787891/main.htm
    QString placeholderPicture() const;      // 001.jpg
    QString placeholderPictureWide() const;  // 0000001.jpg
    QString reportPage() const;
    QString sourcePage() const;
    QString bookmarkFile() const;
    QString optionFile() const;
    QString coolsysFile() const;
    QString loginsysFile() const;

    // <library>/<link>/<code><extension>; nothing when link is empty or would
    // lead outside the library folder.
    std::optional<QString> documentPath(const QString& link, const QString& code,
                                        const QString& extension) const;
    // <library>/1367490231/<bb>.exe, or nothing when it leaves its folder.
    std::optional<QString> videoPlayerPath(const QString& bb) const;
    // <program folder>/kelvor/4629056127/<nycd>, or nothing when it leaves its folder.
    std::optional<QString> sourceFolderPath(const QString& nycd) const;

    // True when `name` is a plain relative path that stays inside its base:
    // not empty, not absolute, no ".." part, no drive letter.
    static bool isSafeRelative(const QString& name);

private:
    QString m_dataRoot;
};

}  // namespace kelvor
