#include "treequeries.h"

#include <exception>

namespace kelvor {

namespace {

int columnIndex(const Statement& statement, const QString& name)
{
    for (int i = 0; i < statement.columnCount(); ++i)
        if (statement.columnName(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

}  // namespace

BuildResult runTreeQuery(SharedConnection& connection, const Query& query, TreeBuilder builder)
{
    try {
        if (!connection.isOpen()) throw DatabaseError(DatabaseErrorKind::Closed, QStringLiteral("数据库连接未打开"));
        Statement statement(connection.db(), query.sql);
        statement.bindAll(query.params);
        const int name = columnIndex(statement, QStringLiteral("name"));
        const int code = columnIndex(statement, QStringLiteral("xxbh"));
        const int link = columnIndex(statement, QStringLiteral("link"));
        if (code < 0) throw DatabaseError(DatabaseErrorKind::Query, QStringLiteral("目录查询没有记录编号字段 xxbh"));
        // One buffer per column for every row: the builder copies what it keeps.
        QString nameText, codeText, linkText;
        while (!builder.hasEnded() && statement.step()) {
            if (name >= 0) statement.readText(name, nameText);
            statement.readText(code, codeText);
            if (link >= 0) statement.readText(link, linkText);
            builder.addRow(nameText, codeText, linkText);
        }
    } catch (const DatabaseError& e) {
        builder.fail(BuildFailure::QueryFailed, e.message());
    } catch (const std::exception& e) {
        builder.fail(BuildFailure::QueryFailed, QString::fromLocal8Bit(e.what()));
    }
    return builder.finish();
}

BuildResult buildCentreTree(SharedConnection& connection, const Query& treeQuery)
{
    return runTreeQuery(connection, treeQuery, TreeBuilder(TreeKind::Centre));
}

Query learningTreeQuery(const SharedConnection& connection, const QString& table, const QString& prefix)
{
    // Ordered by code: the builder hangs each row under the last node of the level above.
    return {QStringLiteral("select name,xxbh,link from %1 where xxbh like ? order by xxbh")
                .arg(connection.contentTable(table)),
            {prefix + QLatin1Char('%')}};
}

BuildResult buildLearningTree(SharedConnection& connection, const QString& table, const QString& prefix)
{
    TreeBuilder builder(TreeKind::Learning);
    // Only a table from the centre list may be named in the query text.
    const Centre* centre = centreByTable(table);
    if (!centre) {
        builder.fail(BuildFailure::QueryFailed, QStringLiteral("不是中心的数据表：%1").arg(table));
        return builder.finish();
    }
    return runTreeQuery(connection, learningTreeQuery(connection, centre->table, prefix), std::move(builder));
}

BuildResult buildSearchTree(SharedConnection& connection, const Query& filterQuery, bool queryGroup)
{
    return runTreeQuery(connection, filterQuery, TreeBuilder(TreeKind::Search, queryGroup));
}

}  // namespace kelvor
