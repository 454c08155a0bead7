#include "catalogue/treebuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvor {
namespace {

struct InputRow {
    QString name, code, link;
};

struct ExpectedNode {
    QString key;
    int picture;
    QString parentKey;  // empty for a root
};

struct BuildCase {
    std::string label;
    TreeKind kind;
    bool queryGroup;
    std::vector<InputRow> rows;
    std::vector<ExpectedNode> nodes;
    BuildFailure failure = BuildFailure::None;
    int failedRow = -1;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.label; }

BuildResult build(TreeKind kind, bool queryGroup, const std::vector<InputRow>& rows)
{
    TreeBuilder builder(kind, queryGroup);
    for (const auto& r : rows) builder.addRow(r.name, r.code, r.link);
    return builder.finish();
}

const QString kTenCharLink = QStringLiteral("docs000001");

std::vector<BuildCase> buildCases()
{
    const TreeKind C = TreeKind::Centre, L = TreeKind::Learning, S = TreeKind::Search;
    return {
        {"CentreFolderAndDocument", C, false,
         {{"Java", "10121035", ""}, {"Lists", "101210350001", kTenCharLink}},
         {{"l10121035", 11, ""}, {"m101210350001", 7, "l10121035"}}},
        {"CentreThreeCharacterLinkGivesLKeyAndDocumentPicture", C, false,
         {{"Java", "10121035", ""}, {"Lists", "101210350001", "abc"}},
         {{"l10121035", 11, ""}, {"l101210350001", 7, "l10121035"}}},
        {"CentreLinkOfSixIsLOfSevenIsM", C, false,
         {{"a", "10121035", "abcdef"}, {"b", "10121036", "abcdefg"}},
         {{"l10121035", 6, ""}, {"m10121036", 6, ""}}},
        {"CentrePicturesOfAllLevels", C, false,
         {{"1", "10121035", ""},
          {"2", "101210350001", ""},
          {"3", "1012103500010001", ""},
          {"4", "10121035000100010001", ""},
          {"4d", "10121035000100010002", kTenCharLink},
          {"3d", "1012103500010002", kTenCharLink},
          {"2d", "101210350002", kTenCharLink},
          {"1d", "10121036", kTenCharLink}},
         {{"l10121035", 11, ""},
          {"l101210350001", 12, "l10121035"},
          {"l1012103500010001", 13, "l101210350001"},
          {"l10121035000100010001", 14, "l1012103500010001"},
          {"m10121035000100010002", 9, "l1012103500010001"},
          {"m1012103500010002", 8, "l101210350001"},
          {"m101210350002", 7, "l10121035"},
          {"m10121036", 6, ""}}},
        {"CentreCodesOfOtherLengthsAddNothingAndKeepTheParentChain", C, false,
         {{"root", "10121035", ""},
          {"ten", "1012103500", ""},
          {"centre", "101210", ""},
          {"child", "101210350001", ""},
          {"ten again", "1012103500", ""},
          {"grandchild", "1012103500010001", ""}},
         {{"l10121035", 11, ""}, {"l101210350001", 12, "l10121035"}, {"l1012103500010001", 13, "l101210350001"}}},
        {"CentreCodeAndNameTrimmed", C, false, {{"  标题 ", " 10121035 ", ""}}, {{"l10121035", 11, ""}}},
        {"CentreMissingParentEndsTheBuildAtThatRow", C, false,
         {{"root", "10121035", ""}, {"deep", "1012103500010001", ""}, {"later", "10121036", ""}},
         {{"l10121035", 11, ""}},
         BuildFailure::MissingParent,
         1},
        {"CentreChildBeforeAnyRootFails", C, false,
         {{"child", "101210350001", ""}, {"root", "10121035", ""}},
         {},
         BuildFailure::MissingParent,
         0},
        {"CentreDuplicateKeyEndsTheBuild", C, false,
         {{"a", "10121035", ""}, {"b", "101210350001", ""}, {"a again", "10121035", ""}, {"c", "10121036", ""}},
         {{"l10121035", 11, ""}, {"l101210350001", 12, "l10121035"}},
         BuildFailure::DuplicateKey,
         2},
        {"CentreChildHangsUnderTheLastNodeOfTheLevelAbove", C, false,
         {{"r1", "10121035", ""}, {"c1", "101210350001", ""}, {"r2", "10121036", ""},
          {"g", "1012103600010001", ""}},
         {{"l10121035", 11, ""}, {"l101210350001", 12, "l10121035"}, {"l10121036", 11, ""},
          {"l1012103600010001", 13, "l101210350001"}}},
        {"LearningKeysByLevelWhateverTheLink", L, false,
         {{"1", "20510111", kTenCharLink},
          {"2", "205101110001", ""},
          {"3", "2051011100010001", "ab"},
          {"4", "20510111000100010001", kTenCharLink},
          {"4f", "20510111000100010002", ""}},
         {{"l20510111", 6, ""},
          {"l205101110001", 12, "l20510111"},
          {"m2051011100010001", 8, "l205101110001"},
          {"m20510111000100010001", 9, "m2051011100010001"},
          {"m20510111000100010002", 13, "m2051011100010001"}}},
        {"LearningFolderPictures", L, false,
         {{"1", "20510111", ""}, {"2", "205101110001", ""}, {"3", "2051011100010001", ""},
          {"2d", "205101110002", "abcde"}},
         {{"l20510111", 11, ""}, {"l205101110001", 12, "l20510111"}, {"m2051011100010001", 13, "l205101110001"},
          {"l205101110002", 7, "l20510111"}}},
        {"SearchDocumentsBaseOneFoldersBaseNine", S, false,
         {{"f1", "10121035", ""},
          {"d2", "101210350001", "abcde"},
          {"f2", "101210350002", ""},
          {"d3", "1012103500020001", "ab"}},
         {{"a10121035", 9, ""}, {"a101210350001", 2, "a10121035"}, {"a101210350002", 10, "a10121035"},
          {"a1012103500020001", 3, "a101210350002"}}},
        {"SearchLinkOfOneCharacterCountsAsFolder", S, false,
         {{"d", "10121035", "x"}, {"d", "10121036", "xy"}},
         {{"a10121035", 9, ""}, {"a10121036", 1, ""}}},
        {"SearchDeepLevelsUpToSeven", S, false,
         {{"1", "10121035", "ab"},
          {"2", "101210350001", "ab"},
          {"3", "1012103500010001", "ab"},
          {"4", "10121035000100010001", "ab"},
          {"5", "101210350001000100010001", "ab"},
          {"6", "1012103500010001000100010001", "ab"},
          {"7", "10121035000100010001000100010001", "ab"},
          {"7f", "10121035000100010001000100010002", ""},
          {"6f", "1012103500010001000100010002", ""}},
         {{"a10121035", 1, ""},
          {"a101210350001", 2, "a10121035"},
          {"a1012103500010001", 3, "a101210350001"},
          {"a10121035000100010001", 4, "a1012103500010001"},
          {"a101210350001000100010001", 5, "a10121035000100010001"},
          {"a1012103500010001000100010001", 6, "a101210350001000100010001"},
          {"a10121035000100010001000100010001", 6, "a1012103500010001000100010001"},
          {"a10121035000100010001000100010002", 14, "a1012103500010001000100010001"},
          {"a1012103500010001000100010002", 14, "a101210350001000100010001"}}},
        {"SearchQueryGroupDocumentsUseBaseTenUntilTheFirstFolder", S, true,
         {{"d1", "10121035", "ab"},
          {"d2", "101210350001", "ab"},
          {"empty code folder", "", ""},
          {"d3", "101210350002", "ab"}},
         {{"a10121035", 10, ""}, {"a101210350001", 11, "a10121035"}, {"a101210350002", 2, "a10121035"}}},
        {"SearchQueryGroupPicturesStayInThePictureList", S, true,
         {{"1", "10121035", "ab"},
          {"2", "101210350001", "ab"},
          {"3", "1012103500010001", "ab"},
          {"4", "10121035000100010001", "ab"},
          {"5", "101210350001000100010001", "ab"},
          {"6", "1012103500010001000100010001", "ab"},
          {"7", "10121035000100010001000100010001", "ab"}},
         {{"a10121035", 10, ""},
          {"a101210350001", 11, "a10121035"},
          {"a1012103500010001", 12, "a101210350001"},
          {"a10121035000100010001", 13, "a1012103500010001"},
          {"a101210350001000100010001", 14, "a10121035000100010001"},
          {"a1012103500010001000100010001", 14, "a101210350001000100010001"},
          {"a10121035000100010001000100010001", 14, "a1012103500010001000100010001"}}},
        {"SearchMissingLevelTwoUsesTheOneRememberedFromEarlierRows", S, false,
         {{"r1", "10121035", ""}, {"c1", "101210350001", ""}, {"r2", "10121036", ""},
          {"doc", "1012103600010001", "abcde"}},
         {{"a10121035", 9, ""}, {"a101210350001", 10, "a10121035"}, {"a10121036", 9, ""},
          {"a1012103600010001", 3, "a101210350001"}}},
        {"SearchMissingLevelTwoWithNoneEarlierFails", S, false,
         {{"r1", "10121035", ""}, {"doc", "1012103500010001", "abcde"}},
         {{"a10121035", 9, ""}},
         BuildFailure::MissingParent,
         1},
    };
}

class TreeBuilderTable : public testing::TestWithParam<BuildCase> {};

TEST_P(TreeBuilderTable, BuildsKeysPicturesAndParents)
{
    const BuildCase& c = GetParam();
    const BuildResult result = build(c.kind, c.queryGroup, c.rows);

    EXPECT_EQ(result.failure, c.failure) << result.message.toStdString();
    EXPECT_EQ(result.failedRow, c.failedRow);
    ASSERT_EQ(result.tree.nodeCount(), int(c.nodes.size()));
    for (int i = 0; i < result.tree.nodeCount(); ++i) {
        const CatalogueNode& node = result.tree.node(i);
        const ExpectedNode& want = c.nodes[size_t(i)];
        SCOPED_TRACE(want.key.toStdString());
        EXPECT_EQ(node.key, want.key);
        EXPECT_EQ(node.picture, want.picture);
        EXPECT_EQ(node.parent, want.parentKey.isEmpty() ? -1 : result.tree.indexOfKey(want.parentKey));
        EXPECT_EQ(result.tree.indexOfKey(node.key), i);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TreeBuilderTable, testing::ValuesIn(buildCases()),
                         [](const auto& info) { return info.param.label; });

TEST(TreeBuilder, NodeTextIsTheTrimmedNameAndLevelFollowsTheCode)
{
    const auto result = build(TreeKind::Centre, false, {{"  Java 基础  ", "10121035", ""}, {"x", "101210350001", ""}});
    ASSERT_EQ(result.tree.nodeCount(), 2);
    EXPECT_EQ(result.tree.node(0).text, QStringLiteral("Java 基础"));
    EXPECT_EQ(result.tree.node(0).level, 1);
    EXPECT_EQ(result.tree.node(1).level, 2);
    EXPECT_EQ(result.tree.node(0).children, std::vector<int>{1});
}

TEST(TreeBuilder, CentreTreeShowsOnlyRootsAndSelectsTheFirstNode)
{
    const auto result = build(TreeKind::Centre, false,
                              {{"r", "10121035", ""}, {"c", "101210350001", ""}, {"r2", "10121036", ""}});
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.selectedNode, 0);
    for (int i = 0; i < result.tree.nodeCount(); ++i) EXPECT_FALSE(result.tree.node(i).expanded);
}

TEST(TreeBuilder, LearningTreeExpandsEveryNodeAndSelectsTheFirst)
{
    const auto result = build(TreeKind::Learning, false,
                              {{"r", "20510111", ""},
                               {"c", "205101110001", ""},
                               {"g", "2051011100010001", "abcde"},
                               {"c2", "205101110002", ""}});
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.selectedNode, 0);
    ASSERT_EQ(result.tree.nodeCount(), 4);
    for (int i = 0; i < result.tree.nodeCount(); ++i) EXPECT_TRUE(result.tree.node(i).expanded) << i;
}

TEST(TreeBuilder, FailedBuildKeepsItsNodesButExpandsAndSelectsNothing)
{
    const auto result = build(TreeKind::Learning, false, {{"r", "20510111", ""}, {"r", "20510111", ""}});
    EXPECT_EQ(result.failure, BuildFailure::DuplicateKey);
    ASSERT_EQ(result.tree.nodeCount(), 1);
    EXPECT_FALSE(result.tree.node(0).expanded);
    EXPECT_EQ(result.selectedNode, -1);
}

TEST(TreeBuilder, SearchTreeSelectsNothingAndEmptyTreesSelectNothing)
{
    EXPECT_EQ(build(TreeKind::Search, false, {{"r", "10121035", ""}}).selectedNode, -1);
    const auto empty = build(TreeKind::Centre, false, {{"centre only", "101210", ""}});
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.tree.isEmpty());
    EXPECT_EQ(empty.selectedNode, -1);
}

TEST(TreeBuilder, RowsAfterTheFailureAreIgnored)
{
    TreeBuilder builder(TreeKind::Centre);
    EXPECT_TRUE(builder.addRow("r", "10121035", ""));
    EXPECT_FALSE(builder.addRow("r", "10121035", ""));
    EXPECT_FALSE(builder.addRow("s", "10121036", ""));
    const auto result = builder.finish();
    EXPECT_EQ(result.tree.nodeCount(), 1);
    EXPECT_EQ(result.failedRow, 1);
}

std::vector<InputRow> flatSearchRows(int count)
{
    std::vector<InputRow> rows;
    rows.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        rows.push_back({QStringLiteral("t%1").arg(i), QStringLiteral("101%1").arg(i, 5, 10, QLatin1Char('0')), ""});
    return rows;
}

TEST(TreeBuilder, SearchTreeTakesTwentyThousandRows)
{
    const auto result = build(TreeKind::Search, false, flatSearchRows(20000));
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.tree.nodeCount(), 20000);
}

TEST(TreeBuilder, SearchTreeFailsAtTheTwentyThousandAndFirstRowKeepingTheNodesBefore)
{
    const auto result = build(TreeKind::Search, false, flatSearchRows(20001));
    EXPECT_EQ(result.failure, BuildFailure::TooManyRows);
    EXPECT_EQ(result.failedRow, 20000);
    EXPECT_EQ(result.tree.nodeCount(), 20000);
}

TEST(TreeBuilder, CentreTreeHasNoRowLimit)
{
    const auto result = build(TreeKind::Centre, false, flatSearchRows(20001));
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.tree.nodeCount(), 20001);
}

}  // namespace
}  // namespace kelvor
