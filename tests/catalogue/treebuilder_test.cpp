#include "catalogue/treebuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

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
         {{u"Java"_s, u"10121035"_s, u""_s}, {u"Lists"_s, u"101210350001"_s, kTenCharLink}},
         {{u"l10121035"_s, 11, u""_s}, {u"m101210350001"_s, 7, u"l10121035"_s}}},
        {"CentreThreeCharacterLinkGivesLKeyAndDocumentPicture", C, false,
         {{u"Java"_s, u"10121035"_s, u""_s}, {u"Lists"_s, u"101210350001"_s, u"abc"_s}},
         {{u"l10121035"_s, 11, u""_s}, {u"l101210350001"_s, 7, u"l10121035"_s}}},
        {"CentreLinkOfSixIsLOfSevenIsM", C, false,
         {{u"a"_s, u"10121035"_s, u"abcdef"_s}, {u"b"_s, u"10121036"_s, u"abcdefg"_s}},
         {{u"l10121035"_s, 6, u""_s}, {u"m10121036"_s, 6, u""_s}}},
        {"CentrePicturesOfAllLevels", C, false,
         {{u"1"_s, u"10121035"_s, u""_s},
          {u"2"_s, u"101210350001"_s, u""_s},
          {u"3"_s, u"1012103500010001"_s, u""_s},
          {u"4"_s, u"10121035000100010001"_s, u""_s},
          {u"4d"_s, u"10121035000100010002"_s, kTenCharLink},
          {u"3d"_s, u"1012103500010002"_s, kTenCharLink},
          {u"2d"_s, u"101210350002"_s, kTenCharLink},
          {u"1d"_s, u"10121036"_s, kTenCharLink}},
         {{u"l10121035"_s, 11, u""_s},
          {u"l101210350001"_s, 12, u"l10121035"_s},
          {u"l1012103500010001"_s, 13, u"l101210350001"_s},
          {u"l10121035000100010001"_s, 14, u"l1012103500010001"_s},
          {u"m10121035000100010002"_s, 9, u"l1012103500010001"_s},
          {u"m1012103500010002"_s, 8, u"l101210350001"_s},
          {u"m101210350002"_s, 7, u"l10121035"_s},
          {u"m10121036"_s, 6, u""_s}}},
        {"CentreCodesOfOtherLengthsAddNothingAndKeepTheParentChain", C, false,
         {{u"root"_s, u"10121035"_s, u""_s},
          {u"ten"_s, u"1012103500"_s, u""_s},
          {u"centre"_s, u"101210"_s, u""_s},
          {u"child"_s, u"101210350001"_s, u""_s},
          {u"ten again"_s, u"1012103500"_s, u""_s},
          {u"grandchild"_s, u"1012103500010001"_s, u""_s}},
         {{u"l10121035"_s, 11, u""_s}, {u"l101210350001"_s, 12, u"l10121035"_s}, {u"l1012103500010001"_s, 13, u"l101210350001"_s}}},
        {"CentreCodeAndNameTrimmed", C, false, {{u"  标题 "_s, u" 10121035 "_s, u""_s}}, {{u"l10121035"_s, 11, u""_s}}},
        {"CentreMissingParentEndsTheBuildAtThatRow", C, false,
         {{u"root"_s, u"10121035"_s, u""_s}, {u"deep"_s, u"1012103500010001"_s, u""_s}, {u"later"_s, u"10121036"_s, u""_s}},
         {{u"l10121035"_s, 11, u""_s}},
         BuildFailure::MissingParent,
         1},
        {"CentreChildBeforeAnyRootFails", C, false,
         {{u"child"_s, u"101210350001"_s, u""_s}, {u"root"_s, u"10121035"_s, u""_s}},
         {},
         BuildFailure::MissingParent,
         0},
        {"CentreDuplicateKeyEndsTheBuild", C, false,
         {{u"a"_s, u"10121035"_s, u""_s}, {u"b"_s, u"101210350001"_s, u""_s}, {u"a again"_s, u"10121035"_s, u""_s}, {u"c"_s, u"10121036"_s, u""_s}},
         {{u"l10121035"_s, 11, u""_s}, {u"l101210350001"_s, 12, u"l10121035"_s}},
         BuildFailure::DuplicateKey,
         2},
        {"CentreChildHangsUnderTheLastNodeOfTheLevelAbove", C, false,
         {{u"r1"_s, u"10121035"_s, u""_s}, {u"c1"_s, u"101210350001"_s, u""_s}, {u"r2"_s, u"10121036"_s, u""_s},
          {u"g"_s, u"1012103600010001"_s, u""_s}},
         {{u"l10121035"_s, 11, u""_s}, {u"l101210350001"_s, 12, u"l10121035"_s}, {u"l10121036"_s, 11, u""_s},
          {u"l1012103600010001"_s, 13, u"l101210350001"_s}}},
        {"LearningKeysByLevelWhateverTheLink", L, false,
         {{u"1"_s, u"20510111"_s, kTenCharLink},
          {u"2"_s, u"205101110001"_s, u""_s},
          {u"3"_s, u"2051011100010001"_s, u"ab"_s},
          {u"4"_s, u"20510111000100010001"_s, kTenCharLink},
          {u"4f"_s, u"20510111000100010002"_s, u""_s}},
         {{u"l20510111"_s, 6, u""_s},
          {u"l205101110001"_s, 12, u"l20510111"_s},
          {u"m2051011100010001"_s, 8, u"l205101110001"_s},
          {u"m20510111000100010001"_s, 9, u"m2051011100010001"_s},
          {u"m20510111000100010002"_s, 13, u"m2051011100010001"_s}}},
        {"LearningFolderPictures", L, false,
         {{u"1"_s, u"20510111"_s, u""_s}, {u"2"_s, u"205101110001"_s, u""_s}, {u"3"_s, u"2051011100010001"_s, u""_s},
          {u"2d"_s, u"205101110002"_s, u"abcde"_s}},
         {{u"l20510111"_s, 11, u""_s}, {u"l205101110001"_s, 12, u"l20510111"_s}, {u"m2051011100010001"_s, 13, u"l205101110001"_s},
          {u"l205101110002"_s, 7, u"l20510111"_s}}},
        {"SearchDocumentsBaseOneFoldersBaseNine", S, false,
         {{u"f1"_s, u"10121035"_s, u""_s},
          {u"d2"_s, u"101210350001"_s, u"abcde"_s},
          {u"f2"_s, u"101210350002"_s, u""_s},
          {u"d3"_s, u"1012103500020001"_s, u"ab"_s}},
         {{u"a10121035"_s, 9, u""_s}, {u"a101210350001"_s, 2, u"a10121035"_s}, {u"a101210350002"_s, 10, u"a10121035"_s},
          {u"a1012103500020001"_s, 3, u"a101210350002"_s}}},
        {"SearchLinkOfOneCharacterCountsAsFolder", S, false,
         {{u"d"_s, u"10121035"_s, u"x"_s}, {u"d"_s, u"10121036"_s, u"xy"_s}},
         {{u"a10121035"_s, 9, u""_s}, {u"a10121036"_s, 1, u""_s}}},
        {"SearchDeepLevelsUpToSeven", S, false,
         {{u"1"_s, u"10121035"_s, u"ab"_s},
          {u"2"_s, u"101210350001"_s, u"ab"_s},
          {u"3"_s, u"1012103500010001"_s, u"ab"_s},
          {u"4"_s, u"10121035000100010001"_s, u"ab"_s},
          {u"5"_s, u"101210350001000100010001"_s, u"ab"_s},
          {u"6"_s, u"1012103500010001000100010001"_s, u"ab"_s},
          {u"7"_s, u"10121035000100010001000100010001"_s, u"ab"_s},
          {u"7f"_s, u"10121035000100010001000100010002"_s, u""_s},
          {u"6f"_s, u"1012103500010001000100010002"_s, u""_s}},
         {{u"a10121035"_s, 1, u""_s},
          {u"a101210350001"_s, 2, u"a10121035"_s},
          {u"a1012103500010001"_s, 3, u"a101210350001"_s},
          {u"a10121035000100010001"_s, 4, u"a1012103500010001"_s},
          {u"a101210350001000100010001"_s, 5, u"a10121035000100010001"_s},
          {u"a1012103500010001000100010001"_s, 6, u"a101210350001000100010001"_s},
          {u"a10121035000100010001000100010001"_s, 6, u"a1012103500010001000100010001"_s},
          {u"a10121035000100010001000100010002"_s, 14, u"a1012103500010001000100010001"_s},
          {u"a1012103500010001000100010002"_s, 14, u"a101210350001000100010001"_s}}},
        {"SearchQueryGroupDocumentsUseBaseTenUntilTheFirstFolder", S, true,
         {{u"d1"_s, u"10121035"_s, u"ab"_s},
          {u"d2"_s, u"101210350001"_s, u"ab"_s},
          {u"empty code folder"_s, u""_s, u""_s},
          {u"d3"_s, u"101210350002"_s, u"ab"_s}},
         {{u"a10121035"_s, 10, u""_s}, {u"a101210350001"_s, 11, u"a10121035"_s}, {u"a101210350002"_s, 2, u"a10121035"_s}}},
        {"SearchQueryGroupPicturesStayInThePictureList", S, true,
         {{u"1"_s, u"10121035"_s, u"ab"_s},
          {u"2"_s, u"101210350001"_s, u"ab"_s},
          {u"3"_s, u"1012103500010001"_s, u"ab"_s},
          {u"4"_s, u"10121035000100010001"_s, u"ab"_s},
          {u"5"_s, u"101210350001000100010001"_s, u"ab"_s},
          {u"6"_s, u"1012103500010001000100010001"_s, u"ab"_s},
          {u"7"_s, u"10121035000100010001000100010001"_s, u"ab"_s}},
         {{u"a10121035"_s, 10, u""_s},
          {u"a101210350001"_s, 11, u"a10121035"_s},
          {u"a1012103500010001"_s, 12, u"a101210350001"_s},
          {u"a10121035000100010001"_s, 13, u"a1012103500010001"_s},
          {u"a101210350001000100010001"_s, 14, u"a10121035000100010001"_s},
          {u"a1012103500010001000100010001"_s, 14, u"a101210350001000100010001"_s},
          {u"a10121035000100010001000100010001"_s, 14, u"a1012103500010001000100010001"_s}}},
        {"SearchMissingLevelTwoUsesTheOneRememberedFromEarlierRows", S, false,
         {{u"r1"_s, u"10121035"_s, u""_s}, {u"c1"_s, u"101210350001"_s, u""_s}, {u"r2"_s, u"10121036"_s, u""_s},
          {u"doc"_s, u"1012103600010001"_s, u"abcde"_s}},
         {{u"a10121035"_s, 9, u""_s}, {u"a101210350001"_s, 10, u"a10121035"_s}, {u"a10121036"_s, 9, u""_s},
          {u"a1012103600010001"_s, 3, u"a101210350001"_s}}},
        {"SearchMissingLevelTwoWithNoneEarlierFails", S, false,
         {{u"r1"_s, u"10121035"_s, u""_s}, {u"doc"_s, u"1012103500010001"_s, u"abcde"_s}},
         {{u"a10121035"_s, 9, u""_s}},
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
    const auto result = build(TreeKind::Centre, false, {{u"  Java 基础  "_s, u"10121035"_s, u""_s}, {u"x"_s, u"101210350001"_s, u""_s}});
    ASSERT_EQ(result.tree.nodeCount(), 2);
    EXPECT_EQ(result.tree.node(0).text, QStringLiteral("Java 基础"));
    EXPECT_EQ(result.tree.node(0).level, 1);
    EXPECT_EQ(result.tree.node(1).level, 2);
    const auto children = result.tree.children(0);
    EXPECT_EQ(std::vector<int>(children.begin(), children.end()), std::vector<int>{1});
}

TEST(TreeBuilder, CentreTreeShowsOnlyRootsAndSelectsTheFirstNode)
{
    const auto result = build(TreeKind::Centre, false,
                              {{u"r"_s, u"10121035"_s, u""_s}, {u"c"_s, u"101210350001"_s, u""_s}, {u"r2"_s, u"10121036"_s, u""_s}});
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.selectedNode, 0);
    for (int i = 0; i < result.tree.nodeCount(); ++i) EXPECT_FALSE(result.tree.node(i).expanded);
}

TEST(TreeBuilder, LearningTreeExpandsEveryNodeAndSelectsTheFirst)
{
    const auto result = build(TreeKind::Learning, false,
                              {{u"r"_s, u"20510111"_s, u""_s},
                               {u"c"_s, u"205101110001"_s, u""_s},
                               {u"g"_s, u"2051011100010001"_s, u"abcde"_s},
                               {u"c2"_s, u"205101110002"_s, u""_s}});
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.selectedNode, 0);
    ASSERT_EQ(result.tree.nodeCount(), 4);
    for (int i = 0; i < result.tree.nodeCount(); ++i) EXPECT_TRUE(result.tree.node(i).expanded) << i;
}

TEST(TreeBuilder, FailedBuildKeepsItsNodesButExpandsAndSelectsNothing)
{
    const auto result = build(TreeKind::Learning, false, {{u"r"_s, u"20510111"_s, u""_s}, {u"r"_s, u"20510111"_s, u""_s}});
    EXPECT_EQ(result.failure, BuildFailure::DuplicateKey);
    ASSERT_EQ(result.tree.nodeCount(), 1);
    EXPECT_FALSE(result.tree.node(0).expanded);
    EXPECT_EQ(result.selectedNode, -1);
}

TEST(TreeBuilder, SearchTreeSelectsNothingAndEmptyTreesSelectNothing)
{
    EXPECT_EQ(build(TreeKind::Search, false, {{u"r"_s, u"10121035"_s, u""_s}}).selectedNode, -1);
    const auto empty = build(TreeKind::Centre, false, {{u"centre only"_s, u"101210"_s, u""_s}});
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.tree.isEmpty());
    EXPECT_EQ(empty.selectedNode, -1);
}

TEST(TreeBuilder, RowsAfterTheFailureAreIgnored)
{
    TreeBuilder builder(TreeKind::Centre);
    EXPECT_TRUE(builder.addRow(u"r"_s, u"10121035"_s, u""_s));
    EXPECT_FALSE(builder.addRow(u"r"_s, u"10121035"_s, u""_s));
    EXPECT_FALSE(builder.addRow(u"s"_s, u"10121036"_s, u""_s));
    const auto result = builder.finish();
    EXPECT_EQ(result.tree.nodeCount(), 1);
    EXPECT_EQ(result.failedRow, 1);
}

std::vector<InputRow> flatSearchRows(int count)
{
    std::vector<InputRow> rows;
    rows.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        rows.push_back({QStringLiteral("t%1").arg(i), QStringLiteral("101%1").arg(i, 5, 10, QLatin1Char('0')), u""_s});
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
