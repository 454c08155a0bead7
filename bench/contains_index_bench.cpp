// Building the search indexes of a generated library of 1 000 000 records
// (six centre tables), each beside its size on disk: the contains index
// (title and content) and the initial index (the title's first character in
// listing order). Runs on a copy of the content database, so the benchmark
// library keeps its indexes. Each figure is printed beside its floor: reading
// the rows the build reads, stepped without writing anything.

#include "benchfigures.h"
#include "searchbenchlibrary.h"

#include "library/containsindex.h"
#include "library/libraryindexes.h"
#include "library/schema.h"

#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace kelvor;

const QString kCopy = QStringLiteral("/tmp/kelvor-bench-index-build.mdb");

// Pages in use, so that dropping an index counts without a vacuum of the whole file.
qint64 usedBytes(Database& db)
{
    return (db.scalar(QStringLiteral("pragma page_count")).toLongLong() -
            db.scalar(QStringLiteral("pragma freelist_count")).toLongLong()) *
           db.scalar(QStringLiteral("pragma page_size")).toLongLong();
}

struct Timed {
    double seconds = 0;
    double cpuSeconds = 0;
};

Timed timed(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = bench::cpuMs();
    work();
    return {double(clock.nsecsElapsed()) / 1e9, (bench::cpuMs() - cpuStart) / 1e3};
}

void report(benchmark::State& state, const char* name, const Timed& build, const Timed& floor, qint64 bytes)
{
    state.counters[std::string(name) + "_s"] = build.seconds;
    state.counters[std::string(name) + "_cpu_s"] = build.cpuSeconds;
    state.counters[std::string(name) + "_floor_s"] = floor.seconds;
    state.counters[std::string(name) + "_floor_cpu_s"] = floor.cpuSeconds;
    state.counters[std::string(name) + "_MB"] = double(bytes) / 1e6;
    std::fprintf(stderr, "%s index: built in %.1f s (CPU %.1f s; floor, reading its rows: %.1f s, CPU %.1f s), %.1f MB\n",
                 name, build.seconds, build.cpuSeconds, floor.seconds, floor.cpuSeconds, double(bytes) / 1e6);
}

void buildIndexes(benchmark::State& state)
{
    const QString source = bench::searchLibrary().layout().databasePath(DatabaseRole::Content);
    for (auto _ : state) {
        QFile::remove(kCopy);
        QFile::copy(source, kCopy);
        auto db = Database::open(kCopy, databaseInfo(DatabaseRole::Content).password);
        const QStringList tables = indexedContentTables(*db);
        for (const QString& t : tables)
            db->executeScript(QStringLiteral("drop table if exists %1; drop index if exists %2;")
                                  .arg(quoteIdentifier(containsindex::indexTableFor(t)),
                                       quoteIdentifier(schema::initialIndexName(t))));
        const qint64 bare = usedBytes(*db);

        const auto step = [&](const QString& columns) {
            size_t rows = 0;
            for (const QString& t : tables)
                rows += bench::stepAll(*db, {QStringLiteral("select %1 from %2").arg(columns, quoteIdentifier(t)), {}});
            benchmark::DoNotOptimize(rows);
        };
        const Timed initialFloor = timed([&] { step(QStringLiteral("substr(namefold, 1, 1), namekey, name, xxbh, namefold")); });
        const Timed initial = timed([&] {
            Transaction tx(*db);
            for (const QString& t : tables) schema::createInitialIndex(*db, t);
            tx.commit();
        });
        const qint64 withInitial = usedBytes(*db);
        report(state, "initial", initial, initialFloor, withInitial - bare);

        const Timed containsFloor = timed([&] { step(QStringLiteral("rowid, name, mark")); });
        const Timed contains = timed([&] {
            for (const QString& t : tables) containsindex::ensure(*db, t);
        });
        report(state, "contains", contains, containsFloor, usedBytes(*db) - withInitial);
        state.counters["target_s"] = 60;
        state.counters["database_MB"] = double(usedBytes(*db)) / 1e6;
        db.reset();
        QFile::remove(kCopy);
    }
}

// What the change-count triggers add to a bulk write by another writer (the
// authoring tool, an importer): 100 000 rows of the largest centre inserted,
// retitled and deleted, each in a transaction rolled back, with the triggers
// and then, as the floor, with them dropped.
void bulkWritesBesideTheirFloor(benchmark::State& state)
{
    constexpr qint64 kRows = 100000;
    const QString source = bench::searchLibrary().layout().databasePath(DatabaseRole::Content);
    for (auto _ : state) {
        QFile::remove(kCopy);
        QFile::copy(source, kCopy);
        auto db = Database::open(kCopy, databaseInfo(DatabaseRole::Content).password);
        QString largest;
        qint64 largestRows = -1;
        for (const QString& t : indexedContentTables(*db)) {
            const qint64 rows = db->scalar(QStringLiteral("select count(*) from %1").arg(quoteIdentifier(t))).toLongLong();
            if (rows > largestRows) largest = t, largestRows = rows;
        }
        containsindex::watchChanges(*db, largest);
        const QString table = quoteIdentifier(largest);
        const QStringList columnList = db->columnsOf(largest);
        const QString columns = columnList.join(QStringLiteral(", "));
        QStringList copied = columnList;  // codes are unique: a copy takes a new one
        for (QString& c : copied)
            if (c.compare(QStringLiteral("xxbh"), Qt::CaseInsensitive) == 0) c = QStringLiteral("xxbh || 'c'");
        const QString some = QStringLiteral(" where rowid in (select rowid from %1 limit %2)").arg(table).arg(kRows);
        const std::pair<const char*, QString> writes[] = {
            {"insert", QStringLiteral("insert into %1 (%2) select %3 from %1").arg(table, columns, copied.join(QStringLiteral(", "))) + some},
            {"retitle", QStringLiteral("update %1 set name = name || 'x'").arg(table) + some},
            {"delete", QStringLiteral("delete from %1").arg(table) + some},
        };
        const auto run = [&](const QString& sql) {
            Transaction tx(*db);  // rolled back untimed: every write starts from the same table
            return timed([&] { db->execute(sql); });
        };
        std::vector<Timed> watched;
        for (const auto& write : writes) watched.push_back(run(write.second));
        const auto triggers = db->query(
            QStringLiteral("select name from sqlite_master where type = 'trigger' and tbl_name = ?"), {largest});
        for (const auto& trigger : triggers)
            db->execute(QStringLiteral("drop trigger %1").arg(quoteIdentifier(trigger.value(0).toString())));
        for (size_t i = 0; i < std::size(writes); ++i) {
            const Timed floor = run(writes[i].second);
            const std::string name = writes[i].first;
            state.counters[name + "_s"] = watched[i].seconds;
            state.counters[name + "_floor_s"] = floor.seconds;
            std::fprintf(stderr, "%s of %lld rows in %s: %.2f s (CPU %.2f s) with the change count; without: %.2f s (CPU %.2f s)\n",
                         writes[i].first, qlonglong(kRows), qPrintable(largest), watched[i].seconds,
                         watched[i].cpuSeconds, floor.seconds, floor.cpuSeconds);
        }
        state.counters["triggers"] = double(triggers.size());
        db.reset();
        QFile::remove(kCopy);
    }
}

}  // namespace

BENCHMARK(buildIndexes)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(bulkWritesBesideTheirFloor)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    bench::prepareSearchIndexes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
