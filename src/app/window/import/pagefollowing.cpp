#include "pagefollowing.h"

#include "app/window/catalogueselection.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/treenavigation.h"
#include "library/centres.h"
#include "library/sharedconnection.h"

#include <QFileInfo>

#include <exception>

namespace kelvor {

std::optional<QString> recordOfPage(SharedConnection& connection, const QString& path)
{
    const QFileInfo page(path);
    const QString code = page.completeBaseName();
    const Centre* centre = centreOfCode(code);
    if (!centre || !codes::isDigits(code) || !page.isFile()) return std::nullopt;
    const QString extension = documentExtension(centre->kind);
    if (QStringLiteral(".") + page.suffix() != extension) return std::nullopt;

    std::vector<Row> rows;
    try {
        // Content tables are reachable wherever the connection is; it only has to be open.
        if (!connection.isOpen()) connection.open(DatabaseRole::Content);
        rows = connection.db().query(
            QStringLiteral("select link from %1 where xxbh=?").arg(connection.contentTable(centre->table)), {code});
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (rows.empty()) return std::nullopt;
    const auto document =
        connection.layout().documentPath(rows.front().text(QStringLiteral("link")), code, extension);
    if (!document || QFileInfo(*document).canonicalFilePath() != page.canonicalFilePath()) return std::nullopt;
    return code;
}

PageFollowing::PageFollowing(SharedConnection& connection, Parts parts, QObject* parent)
    : QObject(parent), m_connection(connection), m_parts(std::move(parts))
{
}

void PageFollowing::pageFollowed(const QString& path)
{
    const auto code = recordOfPage(m_connection, path);
    if (!code) return;
    // Only a record of the tree on show: another centre's record would leave
    // the tree naming one record and the document area another.
    const int node = nodeOfRecord(m_parts.catalogue->tree(), *code);
    if (node < 0) return;
    CatalogueSelection(*m_parts.tree, m_parts.treeProxy, *m_parts.catalogue).reveal(node);
    if (m_parts.openNodeShowing) m_parts.openNodeShowing(node, path);
}

}  // namespace kelvor
