#pragma once

#include "cataloguetree.h"

#include <QString>

#include <array>

namespace kelvor {

enum class TreeKind {
    Centre,    // a centre's catalogue: roots visible, first node selected
    Learning,  // a learning course: every node expanded, first node selected
    Search,    // the centre title label search: keys "a", nothing opened from it
};

enum class BuildFailure {
    None,
    DuplicateKey,   // a second row with the same code
    MissingParent,  // a level-n row before any node of level n-1
    TooManyRows,    // the search tree takes at most kSearchRowLimit rows
    QueryFailed,    // the rows could not be read
};

struct BuildResult {
    CatalogueTree tree;  // on failure: the nodes added before the failing row
    BuildFailure failure = BuildFailure::None;
    int failedRow = -1;     // 0-based row that ended the build
    QString message;
    int selectedNode = -1;  // the node the caller selects; -1 for none
    bool ok() const { return failure == BuildFailure::None; }
};

// Turns the rows of a tree query, in code order, into catalogue nodes. Each
// row of level n > 1 hangs under the last node built at level n-1, so the
// rows must come sorted by code. The first row that cannot become a node
// ends the build; the nodes before it stay.
class TreeBuilder {
public:
    static constexpr int kSearchRowLimit = 20000;

    // `queryGroup`: the search tree draws documents with the second picture
    // set until the first folder row while the query group is chosen.
    explicit TreeBuilder(TreeKind kind, bool queryGroup = false);

    // False once the build has ended; later rows are then ignored.
    bool addRow(const QString& name, const QString& code, const QString& link);
    void fail(BuildFailure failure, const QString& message);
    bool hasEnded() const { return m_result.failure != BuildFailure::None; }
    void reserve(int rows) { m_result.tree.reserve(rows); }

    // Hands over the tree; the builder is spent afterwards.
    BuildResult finish();

private:
    // A node's key is its kind's letter followed by the record code.
    struct NodePlan {
        char16_t kind = 0;
        int level = 0;
        int picture = 0;
    };
    NodePlan centreNode(QStringView code, QStringView link) const;
    NodePlan learningNode(QStringView code, QStringView link) const;
    NodePlan searchNode(QStringView code, QStringView link);

    TreeKind m_kind;
    int m_pictureBase = 1;  // search tree only
    int m_rowsSeen = 0;
    std::array<int, 8> m_lastAtLevel;  // by level 1–7; -1 until a node of that level exists
    QString m_key;  // reused for every row's key
    BuildResult m_result;
};

}  // namespace kelvor
