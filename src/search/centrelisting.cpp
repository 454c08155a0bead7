#include "centrelisting.h"

#include "library/centres.h"

namespace kelvor {

TitleList listCentre(SharedConnection& connection, const QString& listTable)
{
    TitleList found;
    const Centre* centre = listTable.trimmed().isEmpty() ? nullptr : centreByTable(listTable);
    if (!connection.isOpen() || !centre) return found;
    // `link` is read so the rows come from the table itself in its own order,
    // not from a title index that would hand them out sorted by title.
    Statement statement(connection.db(), QStringLiteral("select name, xxbh, link from %1")
                                             .arg(connection.contentTable(centre->table)));
    while (statement.step()) {
        found.names.push_back(statement.text(0));
        found.codes.push_back(statement.text(1));
    }
    return found;
}

}  // namespace kelvor
