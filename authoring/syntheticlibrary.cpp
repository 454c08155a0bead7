#include "syntheticlibrary.h"

#include "catalogue.h"
#include "fixedfiles.h"
#include "librarydatabases.h"
#include "outputfolder.h"
#include "syntheticcatalogue.h"

#include "library/centres.h"

#include <optional>

namespace kelvor::authoring {

namespace {

constexpr qint64 kProgressStep = 100000;
constexpr qint64 kKeywordSample = 97;  // every 97th document gets a keyword row

// A small learning tree: the course folder the start-up opens on and a few lessons under it.
void addLearningTree(LibraryContent& content, const QString& table, const QString& courseName)
{
    CatalogueBuilder catalogue(centreByTable(table)->codePrefix);
    const QString course = catalogue.addFolder(QString(), courseName);
    const QString link = table + QStringLiteral("_lessons");
    int lesson = 0;
    for (int chapter = 1; chapter <= 3; ++chapter) {
        const QString folder = catalogue.addFolder(course, QStringLiteral("第 %1 章").arg(chapter));
        for (int i = 0; i < 5; ++i) {
            CentreRecord r;
            r.name = QStringLiteral("第 %1 课").arg(++lesson);
            r.link = link;
            catalogue.addDocument(folder, r);
        }
        const QString practice = catalogue.addFolder(folder, QStringLiteral("本章练习"));
        for (int i = 1; i <= 3; ++i) {
            CentreRecord r;
            r.name = QStringLiteral("第 %1 章练习 %2").arg(chapter).arg(i);
            r.link = link;
            catalogue.addDocument(practice, r);
        }
    }
    content.centreTables[table] = catalogue.records();
}

}  // namespace

void writeSyntheticLibrary(const QString& dataRoot, qint64 records, const ProgressReport& progress)
{
    auto report = [&](const QString& line) {
        if (progress) progress(line);
    };
    OutputFolder output(dataRoot, QStringLiteral("demo --records %1").arg(records));
    output.prepare();
    const LibraryLayout layout(output.stagingRoot());
    createLibraryDatabases(layout);

    LibraryContent small;
    std::map<QString, qint64> documents;
    {
        auto content = openLibraryDatabase(layout, DatabaseRole::Content);
        for (const auto& [table, count] : syntheticShares(records)) {
            // fazx has no database of its own; the others keep a copy of their table.
            const auto copyRole = centreDatabaseOf(table);
            std::unique_ptr<Database> copy = copyRole ? openLibraryDatabase(layout, *copyRole) : nullptr;
            Transaction contentTx(*content);
            std::optional<Transaction> copyTx;
            std::optional<CentreRecordWriter> copyWriter;
            if (copy) {
                copyTx.emplace(*copy);
                copyWriter.emplace(*copy, table);
            }
            CentreRecordWriter contentWriter(*content, table);
            qint64 written = 0;
            qint64& docs = documents[table];
            SyntheticCatalogue(table, count).generate([&](const CentreRecord& r) {
                contentWriter.add(r);
                if (copyWriter) copyWriter->add(r);
                if (!r.eee.isEmpty()) {
                    if (docs % kKeywordSample == 0) {
                        small.techKeywords.push_back({r.jbmc, r.name, r.name, r.xxbh});
                        small.exampleKeywords.push_back({r.jbnr, r.name, r.name, r.xxbh});
                        if (small.favourites.size() < 3 && table == QLatin1String("jszx"))
                            small.favourites.push_back({QStringLiteral("收藏 %1").arg(small.favourites.size() + 1),
                                                        r.name, r.xxbh});
                    }
                    ++docs;
                }
                if (++written % kProgressStep == 0) report(QStringLiteral("%1: %2 / %3").arg(table).arg(written).arg(count));
            });
            contentTx.commit();
            if (copyTx) copyTx->commit();
            report(QStringLiteral("%1: %2 records written").arg(table).arg(written));
        }
    }

    addLearningTree(small, QStringLiteral("study"), QStringLiteral("从零开始"));
    addLearningTree(small, QStringLiteral("works"), QStringLiteral("入门训练"));
    small.searchHistory = {
        {QStringLiteral("Java"), QStringLiteral("2024-05-20"), QStringLiteral("10:20:31"), 12},
        {QStringLiteral("多线程"), QStringLiteral("2024-05-19"), QStringLiteral("09:12:44"), 5},
        {QStringLiteral("unique_ptr"), QStringLiteral("2024-05-18"), QStringLiteral("14:03:10"), 3},
    };
    writeLibraryDatabases(layout, small);
    report(QStringLiteral("learning trees, keywords, favourites and search history written"));

    addStandardFiles(small);
    addCentreMainPage(small, documents);
    for (const auto& [path, file] : small.files) writeLibraryFile(output.stagingRoot(), file);
    output.commit();
    report(QStringLiteral("library ready in %1").arg(dataRoot));
}

}  // namespace kelvor::authoring
