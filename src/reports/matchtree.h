#pragma once

#include "library/centres.h"
#include "library/containsindex.h"
#include "library/database.h"
#include "library/layout.h"

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace kelvor::reports {

// A centre the continued query searches: its own database, its table, the
// keys of its two groups and the caption the group texts start with.
struct MatchCentre {
    int option;  // the dictionary option that switches it on
    DatabaseRole database;
    QString table;
    QString titleGroupKey;
    QString contentGroupKey;
    QString caption;
};

// The five searched centres in search order (option 3 has none).
const std::vector<MatchCentre>& matchCentres();

// One node of the hit tree, in insertion order. A group node is top level;
// a record node's parent is the group added last before it.
struct MatchNode {
    QString key;
    QString text;
    bool group = false;
};

struct MatchTree {
    std::vector<MatchNode> nodes;
    // One message per centre that could not be searched; the others were.
    QStringList skipped;
    bool cancelled = false;
};

// The records of the centre's own copy of `table` (in the database the
// statement runs on) whose title (Name) or content (Mark) contains `term`,
// code and title, in code order. `containsIndex` names the contains index of
// that copy as the connection reaches it; empty, the copy is scanned, with
// the same rows in the same order.
Query matchQuery(const QString& table, const QString& containsIndex, containsindex::Column column, const QString& term);

// Adds to `tree` the title group and the content group of `centre` for
// `term` (`setzncx`): the records whose title, then whose content, contains
// the term, in code order, each group only when it has records. A row with
// an empty code or title ends the operation; the nodes added so far stay.
// `centreDb` is the centre's own database, which the query reads whatever
// the content database holds; `containsIndex` as for matchQuery(). Throws
// DatabaseError.
void setzncx(Database& centreDb, const QString& containsIndex, const MatchCentre& centre, const QString& term,
             MatchTree& tree);

// Builds hit trees over the centres whose option is on (`options` indexed by
// option 0–5), each centre searched on its own database. Keying a database
// is slow by design, so each centre's connection is opened on the first
// query and kept until its file changes or goes. A centre whose database is
// missing or unreadable goes into `skipped` and the query goes on. The
// contains index of a centre's copy is used only while it is current: beside
// the table, or in the per-user cache under `cacheFolder` of a library the
// program cannot write; otherwise the copy is scanned until one appears. The
// searcher may be used from worker threads: one call runs at a time, a
// second one waits for it.
class MatchSearcher {
public:
    explicit MatchSearcher(LibraryLayout layout, QString cacheFolder = {});
    ~MatchSearcher();

    // Stops between centres once `cancel` is set.
    MatchTree build(const QString& term, const std::array<bool, 6>& options, const std::atomic_bool* cancel = nullptr);
    // Opens and keys the databases of the centres whose option is on, ahead
    // of the query that will need them. A database that cannot be opened is
    // left for the query to report. Stops between centres once `cancel` is set.
    void prepare(const std::array<bool, 6>& options, const std::atomic_bool* cancel = nullptr);

private:
    struct Open;
    Open& openFor(const MatchCentre& centre);
    QString containsIndexOf(Database& centreDb, const QString& table) const;

    LibraryLayout m_layout;
    QString m_cacheFolder;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Open>> m_open;
};

// A query on a searcher of its own: every centre's database is opened anew.
MatchTree buildMatchTree(const LibraryLayout& layout, const QString& term, const std::array<bool, 6>& options,
                         const std::atomic_bool* cancel = nullptr, const QString& cacheFolder = {});

// "技术中心的检索数据库无法读取，已跳过。"
QString skippedCentreMessage(const QString& caption);

}  // namespace kelvor::reports
