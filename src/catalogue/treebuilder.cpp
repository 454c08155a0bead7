#include "treebuilder.h"

#include "library/centres.h"

#include <algorithm>

namespace kelvor {

namespace {

constexpr int kLastPicture = 14;

}  // namespace

TreeBuilder::TreeBuilder(TreeKind kind, bool queryGroup) : m_kind(kind), m_pictureBase(queryGroup ? 10 : 1)
{
    m_lastAtLevel.fill(-1);
}

TreeBuilder::NodePlan TreeBuilder::centreNode(QStringView code, QStringView link) const
{
    NodePlan plan;
    plan.level = codes::level(code);
    if (!plan.level) return plan;
    plan.picture = link.isEmpty() ? 10 + plan.level : 5 + plan.level;
    // Records filed under a short folder name open as "l" nodes, the rest as "m".
    plan.kind = link.size() < 7 ? u'l' : u'm';
    return plan;
}

TreeBuilder::NodePlan TreeBuilder::learningNode(QStringView code, QStringView link) const
{
    NodePlan plan;
    plan.level = codes::level(code);
    if (!plan.level) return plan;
    static constexpr int documentPictures[] = {6, 7, 8, 9};
    static constexpr int folderPictures[] = {11, 12, 13, 13};
    plan.picture = link.isEmpty() ? folderPictures[plan.level - 1] : documentPictures[plan.level - 1];
    plan.kind = plan.level <= 2 ? u'l' : u'm';
    return plan;
}

TreeBuilder::NodePlan TreeBuilder::searchNode(QStringView code, QStringView link)
{
    // The picture set switches with every row, also with rows that add no node.
    if (link.size() > 1) {
        if (m_pictureBase == 9) m_pictureBase = 1;
    } else {
        m_pictureBase = 9;
    }
    NodePlan plan;
    if (code.isEmpty()) return plan;
    plan.level = codes::searchLevel(code);
    if (!plan.level) return plan;
    const int offset = plan.level == 7 ? 5 : plan.level - 1;
    // The query group's document set starts at 10 and would run past the
    // last picture at levels 6 and 7.
    plan.picture = std::min(m_pictureBase + offset, kLastPicture);
    plan.kind = u'a';
    return plan;
}

bool TreeBuilder::addRow(const QString& name, const QString& code, const QString& link)
{
    if (hasEnded()) return false;
    const int row = m_rowsSeen++;
    if (m_kind == TreeKind::Search && row >= kSearchRowLimit) {
        m_result.failedRow = row;
        fail(BuildFailure::TooManyRows,
             QStringLiteral("找到的记录超过 %1 条，目录只列出前 %1 条。").arg(kSearchRowLimit));
        return false;
    }

    const QStringView trimmedCode = QStringView(code).trimmed();
    NodePlan plan;
    switch (m_kind) {
    case TreeKind::Centre: plan = centreNode(trimmedCode, link); break;
    case TreeKind::Learning: plan = learningNode(trimmedCode, link); break;
    case TreeKind::Search: plan = searchNode(trimmedCode, link); break;
    }
    if (!plan.level) return true;  // not a catalogue entry: no node, the parent chain untouched

    const int parent = plan.level == 1 ? -1 : m_lastAtLevel[size_t(plan.level - 1)];
    if (plan.level > 1 && parent < 0) {
        m_result.failedRow = row;
        fail(BuildFailure::MissingParent,
             QStringLiteral("目录中的记录 %1 缺少上一级记录，目录只显示到它之前的记录。").arg(trimmedCode));
        return false;
    }
    m_key.truncate(0);
    m_key.append(QChar(plan.kind)).append(trimmedCode);
    const auto added = m_result.tree.add(m_key, QStringView(name).trimmed(), plan.picture, plan.level, parent);
    if (added != CatalogueTree::AddResult::Added) {
        m_result.failedRow = row;
        fail(BuildFailure::DuplicateKey,
             QStringLiteral("目录中的记录 %1 出现了两次，目录只显示到它之前的记录。").arg(trimmedCode));
        return false;
    }
    m_lastAtLevel[size_t(plan.level)] = m_result.tree.nodeCount() - 1;
    return true;
}

void TreeBuilder::fail(BuildFailure failure, const QString& message)
{
    if (hasEnded()) return;
    m_result.failure = failure;
    m_result.message = message;
}

BuildResult TreeBuilder::finish()
{
    // A failed build stops where it failed: no expansion, no selection.
    if (m_result.ok()) {
        if (m_kind == TreeKind::Learning) m_result.tree.expandAll();
        if (m_kind != TreeKind::Search && !m_result.tree.isEmpty()) m_result.selectedNode = 0;
    }
    return std::move(m_result);
}

}  // namespace kelvor
