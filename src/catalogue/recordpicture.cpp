#include "recordpicture.h"

#include "library/centres.h"

#include <exception>

namespace kelvor {

std::optional<QString> findRecordPicture(SharedConnection& connection, const QString& listTable,
                                         const QString& code)
{
    if (code.isEmpty() || !connection.isOpen()) return std::nullopt;
    // The stored list table is text of the window's state; only a known centre table reaches SQL.
    const Centre* centre = centreByTable(listTable);
    if (!centre) return std::nullopt;
    try {
        const auto rows = connection.db().query(
            QStringLiteral("select xxbh,link from %1 where link is not null and link<>'' and xxbh=?")
                .arg(connection.contentTable(centre->table)),
            {code});
        if (rows.empty()) return std::nullopt;
        return connection.layout().documentPath(rows.front().text(QStringLiteral("link")),
                                                rows.front().text(QStringLiteral("xxbh")), QStringLiteral(".jpg"));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace kelvor
