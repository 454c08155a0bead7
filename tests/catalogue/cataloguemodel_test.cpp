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

}  // namespace
}  // namespace kelvor
