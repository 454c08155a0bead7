// How long a centre of 100 000 generated records takes to become a catalogue tree:
// reading the tree query, building the nodes, swapping them into the model,
// and laying the tree view out with the new model.

#include "generatedlibrary.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/treebuilder.h"
#include "catalogue/treequeries.h"

#include "library/centres.h"
#include "library/sharedconnection.h"

#include <QApplication>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

namespace {

using namespace kelvor;

// 600 000 generated records over six centres: 100 000 in the technology centre.
constexpr qint64 kLibraryRecords = 600000;

struct GeneratedRow {
    QString name, code, link;
};

CatalogueTree buildFromRows(const std::vector<GeneratedRow>& rows)
{
    TreeBuilder builder(TreeKind::Centre);
    builder.reserve(int(rows.size()));
    for (const auto& row : rows) builder.addRow(row.name, row.code, row.link);
    return builder.finish().tree;
}

// The technology centre of the generated library, with its tree query.
class CentreLibrary {
public:
    explicit CentreLibrary(const bench::GeneratedLibrary& library) : m_connection(library.layout())
    {
        m_connection.open(DatabaseRole::Content);
        const Centre& jszx = *centreByTable(u"jszx");
        m_treeQuery = centreQueries(jszx, library.layout(), m_connection.contentTable(jszx.table)).treeQuery;
    }

    BuildResult buildTree() { return buildCentreTree(m_connection, m_treeQuery); }

    // The rows of the tree query, read once for the benchmarks that start from rows.
    std::vector<GeneratedRow> rows()
    {
        std::vector<GeneratedRow> rows;
        for (const Row& row : m_connection.db().query(m_treeQuery.sql, m_treeQuery.params))
            rows.push_back({row.text(QStringLiteral("name")), row.text(QStringLiteral("xxbh")),
                            row.text(QStringLiteral("link"))});
        return rows;
    }

private:
    SharedConnection m_connection;
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

// The whole centre switch as the window runs it: query, build, reset,
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

    const bench::GeneratedLibrary generated(kLibraryRecords);
    CentreLibrary library(generated);
    const std::vector<GeneratedRow> rows = library.rows();
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
