#include "catalogue/cataloguemodel.h"
#include "catalogue/treebuilder.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

CatalogueTree sampleTree()
{
    TreeBuilder builder(TreeKind::Centre);
    builder.addRow(u"Java"_s, u"10121035"_s, u""_s);
    builder.addRow(u"集合"_s, u"101210350001"_s, u"docs000001"_s);
    builder.addRow(u"线程"_s, u"101210350002"_s, u""_s);
    builder.addRow(u"锁"_s, u"1012103500020001"_s, u"docs000001"_s);
    builder.addRow(u"C++"_s, u"10121036"_s, u"abc"_s);
    return builder.finish().tree;
}

QStringList g_warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) g_warnings << message;
}

TEST(CatalogueModel, PassesTheModelTesterThroughResets)
{
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    {
        CatalogueModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
        model.reset(sampleTree());
        EXPECT_EQ(model.rowCount(), 2);
        model.reset(CatalogueTree());
        EXPECT_EQ(model.rowCount(), 0);
        model.reset(sampleTree());
        model.setExpanded(0, true);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join(u'\n').toStdString();
}

TEST(CatalogueModel, IndexesMapBackToTheirNodes)
{
    CatalogueModel model;
    model.reset(sampleTree());
    ASSERT_EQ(model.nodeCount(), 5);
    for (int i = 0; i < model.nodeCount(); ++i) {
        const QModelIndex at = model.indexOfNode(i);
        ASSERT_TRUE(at.isValid());
        EXPECT_EQ(model.nodeOf(at), i);
        EXPECT_EQ(model.nodeOf(model.parent(at)), model.node(i).parent);
        EXPECT_EQ(model.index(at.row(), 0, model.parent(at)), at);
    }
    EXPECT_FALSE(model.indexOfNode(5).isValid());
    EXPECT_FALSE(model.indexOfNode(-1).isValid());
    EXPECT_EQ(model.nodeOf(QModelIndex()), -1);
}

TEST(CatalogueModel, RolesCarryTextKeyPictureLevelAndExpansion)
{
    CatalogueModel model;
    model.reset(sampleTree());
    const QModelIndex lock = model.indexOfNode(model.indexOfKey(u"m1012103500020001"_s));
    ASSERT_TRUE(lock.isValid());
    EXPECT_EQ(lock.data(Qt::DisplayRole).toString(), QStringLiteral("锁"));
    EXPECT_EQ(lock.data(CatalogueModel::KeyRole).toString(), QStringLiteral("m1012103500020001"));
    EXPECT_EQ(lock.data(CatalogueModel::PictureRole).toInt(), 8);
    EXPECT_EQ(lock.data(CatalogueModel::LevelRole).toInt(), 3);
    EXPECT_EQ(lock.data(CatalogueModel::ExpandedRole).toBool(), false);
    EXPECT_EQ(lock.data(CatalogueModel::NodeIndexRole).toInt(), 3);
    EXPECT_EQ(model.roleNames().value(CatalogueModel::KeyRole), QByteArray("key"));
}

TEST(CatalogueModel, ResetSwapsTheWholeTreeInOneReset)
{
    CatalogueModel model;
    model.reset(sampleTree());
    QSignalSpy about(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy done(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    TreeBuilder builder(TreeKind::Learning);
    builder.addRow(u"start"_s, u"20510111"_s, u""_s);
    model.reset(builder.finish().tree);

    EXPECT_EQ(about.count(), 1);
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(model.nodeCount(), 1);
    EXPECT_EQ(model.indexOfKey(u"l10121035"_s), -1);
    EXPECT_EQ(model.indexOfKey(u"l20510111"_s), 0);
}

TEST(CatalogueModel, ExpandingSignalsOnlyRealChanges)
{
    CatalogueModel model;
    model.reset(sampleTree());
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setExpanded(2, true);
    model.setExpanded(2, true);
    model.setExpanded(99, true);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>(), model.indexOfNode(2));
    EXPECT_TRUE(model.node(2).expanded);
}

TEST(CatalogueModel, ForeignOrOutOfRangeIndexesAreHarmless)
{
    CatalogueModel model;
    CatalogueModel other;
    model.reset(sampleTree());
    other.reset(sampleTree());
    EXPECT_EQ(model.nodeOf(other.indexOfNode(0)), -1);
    EXPECT_FALSE(model.index(7, 0).isValid());
    EXPECT_FALSE(model.index(0, 1).isValid());
    EXPECT_EQ(model.rowCount(other.indexOfNode(0)), 0);
    EXPECT_FALSE(model.data(other.indexOfNode(0)).isValid());
}

// The tree keeps its nodes packed: every field, every key lookup and every
// child list must read back exactly what was added, for texts of any shape,
// keys that differ only in their letter or length, parents whose children
// arrive between their grandchildren, and more nodes than the key table
// first holds.
TEST(CatalogueModel, EveryNodeReadsBackAsAdded)
{
    struct Added {
        QString key, text;
        int picture, level, parent;
    };
    const QString texts[] = {QString(), QStringLiteral("Java 基础"), QStringLiteral("𠀀 古字😀"),
                             QStringLiteral("  kept as given  "), QString(300, QChar(u'长'))};
    std::vector<Added> added;
    CatalogueTree tree;
    for (int i = 0; i < 3000; ++i) {
        // Roots every 50 nodes; the rest under a root or under the node before.
        const int parent = i % 50 == 0 ? -1 : (i % 3 == 0 ? i - 1 : i - i % 50);
        const QString code = QString::number(10121035000LL + i);
        const QString key = (i % 2 ? QStringLiteral("m") : QStringLiteral("l")) + code;
        const Added a{key, texts[i % 5] + QString::number(i % 7 ? i : 0).left(i % 4), 1 + i % 14, 1 + i % 7, parent};
        ASSERT_EQ(tree.add(a.key, a.text, a.picture, a.level, a.parent), CatalogueTree::AddResult::Added) << i;
        added.push_back(a);
    }
    EXPECT_EQ(tree.add(added[7].key, QStringLiteral("again"), 1, 1, -1), CatalogueTree::AddResult::DuplicateKey);
    EXPECT_EQ(tree.add(QStringLiteral("x1"), QStringLiteral("orphan"), 1, 1, 5000), CatalogueTree::AddResult::NoSuchParent);
    ASSERT_EQ(tree.nodeCount(), 3000);

    CatalogueModel model;
    model.reset(std::move(tree));
    std::vector<std::vector<int>> children(added.size() + 1);  // the roots last
    for (size_t i = 0; i < added.size(); ++i) {
        const Added& a = added[i];
        const CatalogueNode n = model.node(int(i));
        EXPECT_EQ(n.key, a.key);
        EXPECT_EQ(n.text, a.text) << i;
        EXPECT_EQ(n.picture, a.picture);
        EXPECT_EQ(n.level, a.level);
        EXPECT_EQ(n.parent, a.parent);
        std::vector<int>& siblings = children[a.parent < 0 ? added.size() : size_t(a.parent)];
        EXPECT_EQ(n.row, int(siblings.size())) << i;
        siblings.push_back(int(i));
        EXPECT_EQ(model.indexOfKey(a.key), int(i));
        // Another letter, a shorter or a longer key: no such node.
        EXPECT_EQ(model.indexOfKey(QStringLiteral("a") + a.key.mid(1)), -1);
        EXPECT_EQ(model.indexOfKey(a.key.chopped(1)), -1);
        EXPECT_EQ(model.indexOfKey(a.key + QLatin1Char('0')), -1);
    }
    for (size_t p = 0; p <= added.size(); ++p) {
        const QModelIndex parent = p == added.size() ? QModelIndex() : model.indexOfNode(int(p));
        ASSERT_EQ(model.rowCount(parent), int(children[p].size())) << p;
        for (size_t row = 0; row < children[p].size(); ++row)
            EXPECT_EQ(model.nodeOf(model.index(int(row), 0, parent)), children[p][row]) << p << " " << row;
    }
    EXPECT_EQ(model.indexOfKey(QString()), -1);

    // A record renamed after the build: its captions change, nothing else.
    EXPECT_EQ(model.renameRecord(added[10].key.mid(1), QStringLiteral("新名 😀")), 1);
    EXPECT_EQ(model.indexOfNode(10).data().toString(), QStringLiteral("新名 😀"));
    EXPECT_EQ(model.node(11).text, added[11].text);
    EXPECT_EQ(model.indexOfKey(added[10].key), 10);
}

}  // namespace
}  // namespace kelvor
