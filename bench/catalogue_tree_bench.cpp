// How long a centre of 100 000 records takes to become a catalogue tree:
// reading the tree query, building the nodes, swapping them into the model,
// and laying the tree view out with the new model.

#include "catalogue/cataloguemodel.h"
#include "catalogue/treebuilder.h"
#include "catalogue/treequeries.h"

#include "library/centres.h"
#include "testlibrary.h"

#include <QApplication>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

namespace {

using namespace kelvor;

struct GeneratedRow {
    QString name, code, link;
};

// 20 subjects x 50 chapters x 99 documents, in code order: 100 020 rows.
std::vector<GeneratedRow> generateCentreRows()
{
    std::vector<GeneratedRow> rows;
    rows.reserve(100020);
    for (int subject = 10; subject < 30; ++subject) {
        const QString level1 = QStringLiteral("101210%1").arg(subject);
        rows.push_back({QStringLiteral("主题 %1").arg(subject), level1, {}});
        for (int chapter = 1; chapter <= 50; ++chapter) {
            const QString level2 = level1 + QStringLiteral("%1").arg(chapter, 4, 10, QLatin1Char('0'));
            rows.push_back({QStringLiteral("章节 %1").arg(chapter), level2, {}});
            for (int doc = 1; doc <= 99; ++doc)
                rows.push_back({QStringLiteral("文档 %1 Java 集合与线程").arg(doc),
                                level2 + QStringLiteral("%1").arg(doc, 4, 10, QLatin1Char('0')),
                                QStringLiteral("docs%1").arg(subject * 100 + chapter, 6, 10, QLatin1Char('0'))});
        }
    }
    return rows;
}

CatalogueTree buildFromRows(const std::vector<GeneratedRow>& rows)
{
    TreeBuilder builder(TreeKind::Centre);
    builder.reserve(int(rows.size()));
    for (const auto& row : rows) builder.addRow(row.name, row.code, row.link);
    return builder.finish().tree;
}

// A temporary library whose technology centre holds the generated rows.
class CentreLibrary {
public:
    explicit CentreLibrary(const std::vector<GeneratedRow>& rows)
    {
        std::vector<CentreRecord> records;
        records.reserve(rows.size());
        for (const auto& row : rows) {
            CentreRecord r;
            r.xxbh = row.code;
            r.name = row.name;
            r.link = row.link;
            r.eee = row.link.isEmpty() ? QString() : QStringLiteral("1");
            records.push_back(r);
        }
        m_library.addRecords("jszx", records);
        m_connection.open(DatabaseRole::Content);
        const Centre& jszx = *centreByTable(u"jszx");
        m_treeQuery = centreQueries(jszx, m_library.layout(), m_connection.contentTable(jszx.table)).treeQuery;
    }

    BuildResult buildTree() { return buildCentreTree(m_connection, m_treeQuery); }

private:
    test::TestLibrary m_library;
    SharedConnection m_connection{m_library.layout()};
    Query m_treeQuery;
};

void buildFromRowsBenchmark(benchmark::State& state, const std::vector<GeneratedRow>& rows)
{
    int nodes = 0;
    for (auto _ : state) {
        CatalogueTree tree = buildFromRows(rows);
        nodes = tree.nodeCount();
        benchmark::DoNotOptimize(tree);
    }
    state.counters["nodes"] = nodes;
}

void queryAndBuildBenchmark(benchmark::State& state, CentreLibrary& library)
{
    int nodes = 0;
    for (auto _ : state) {
        BuildResult result = library.buildTree();
        if (!result.ok()) state.SkipWithError(result.message.toUtf8().constData());
        nodes = result.tree.nodeCount();
        benchmark::DoNotOptimize(result);
    }
    state.counters["nodes"] = nodes;
}

// Swapping a built tree in, including letting go of the previous one.
void modelResetBenchmark(benchmark::State& state, const std::vector<GeneratedRow>& rows)
{
    CatalogueModel model;
    model.reset(buildFromRows(rows));
    for (auto _ : state) {
        state.PauseTiming();
        CatalogueTree tree = buildFromRows(rows);
        state.ResumeTiming();
        model.reset(std::move(tree));
    }
    state.counters["roots"] = model.rowCount();
}

// The whole centre switch as the window will run it: query, build, reset,
// and the tree view's layout and paint of the reset model (roots shown).
void queryBuildResetAndShowBenchmark(benchmark::State& state, CentreLibrary& library)
{
    CatalogueModel model;
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setHeaderHidden(true);
    view.resize(300, 800);
    view.setModel(&model);
    view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        BuildResult result = library.buildTree();
        model.reset(std::move(result.tree));
        view.setCurrentIndex(model.indexOfNode(result.selectedNode));
        view.doItemsLayout();
        view.repaint();
        QApplication::processEvents();
    }
    state.counters["nodes"] = model.nodeCount();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    const std::vector<GeneratedRow> rows = generateCentreRows();
    CentreLibrary library(rows);
    benchmark::RegisterBenchmark("BuildCentreTreeFromRows", buildFromRowsBenchmark, std::cref(rows))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("QueryAndBuildCentreTree", queryAndBuildBenchmark, std::ref(library))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ModelReset", modelResetBenchmark, std::cref(rows))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("QueryBuildResetAndShow", queryBuildResetAndShowBenchmark, std::ref(library))
        ->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
