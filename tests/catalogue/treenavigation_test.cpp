#include "catalogue/treebuilder.h"
#include "catalogue/treenavigation.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

// A       10121035
//   A1    101210350001
//     a   1012103500010001
//     b   1012103500010002
//   A2    101210350002
// B       10121036
//   B1    101210360001
CatalogueTree navigationTree()
{
    TreeBuilder builder(TreeKind::Centre);
    for (const char* code : {"10121035", "101210350001", "1012103500010001", "1012103500010002", "101210350002",
                             "10121036", "101210360001"})
        builder.addRow(QString::fromLatin1(code), QString::fromLatin1(code), u""_s);
    return builder.finish().tree;
}

struct AncestorCase {
    const char* selected;
    int k;
    const char* expected;  // nullptr: "yes", nothing selected
};

TEST(TreeNavigation, NextNodeAfterAncestor)
{
    const CatalogueTree tree = navigationTree();
    const AncestorCase cases[] = {
        {"1012103500010001", 0, "101210350002"},  // parent A1 -> A2
        {"1012103500010002", 1, "10121036"},      // grandparent A -> B
        {"1012103500010001", 2, nullptr},         // above the roots
        {"101210350002", 0, "10121036"},
        {"101210360001", 0, nullptr},             // B has no next sibling
        {"10121035", 0, nullptr},                 // a root has no parent
        {"1012103500010001", 8, nullptr},
        {"1012103500010001", -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.selected) + " k=" + std::to_string(c.k));
        const auto next = nextNodeAfterAncestor(tree, tree.indexOfKey(QStringLiteral("l") + QString::fromLatin1(c.selected)), c.k);
        if (!c.expected) {
            EXPECT_FALSE(next.has_value());
        } else {
            ASSERT_TRUE(next.has_value());
            EXPECT_EQ(tree.node(*next).key, QStringLiteral("l") + QString::fromLatin1(c.expected));
        }
    }
    EXPECT_FALSE(nextNodeAfterAncestor(tree, -1, 0).has_value());
    EXPECT_FALSE(nextNodeAfterAncestor(tree, 99, 0).has_value());
}

TEST(TreeNavigation, FirstChildAndNextSibling)
{
    const CatalogueTree tree = navigationTree();
    EXPECT_EQ(tree.firstChild(0), 1);
    EXPECT_EQ(tree.firstChild(2), -1);
    EXPECT_EQ(tree.nextSibling(2), 3);
    EXPECT_EQ(tree.nextSibling(3), -1);
    EXPECT_EQ(tree.nextSibling(0), 5);
    EXPECT_EQ(tree.nextSibling(5), -1);
    EXPECT_EQ(tree.nextSibling(42), -1);
}

TEST(TreeNavigation, OnlyRecordKeysOpen)
{
    const struct {
        const char* key;
        bool opens;
    } cases[] = {{"l10121035", true}, {"m101210350001", true}, {"n10121035", true},
                 {"a10121035", false}, {"", false}, {"L10121035", false}, {"10121035", false}};
    for (const auto& c : cases) EXPECT_EQ(opensRecord(QString::fromLatin1(c.key)), c.opens) << c.key;
    EXPECT_EQ(codeOfKey(u"m101210350001"), QStringLiteral("101210350001"));
    EXPECT_EQ(codeOfKey(u""), QString());
}

}  // namespace
}  // namespace kelvor
