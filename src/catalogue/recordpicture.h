#pragma once

#include "library/sharedconnection.h"

#include <QString>

#include <optional>

namespace kelvor {

// The picture of an interface-centre record for the thumbnail buttons:
// <library>/<link>/<code>.jpg of the record `code` in the list table.
// Nothing when the code is empty, the record has no link, the list table is
// not a centre table, or the query fails.
std::optional<QString> findRecordPicture(SharedConnection& connection, const QString& listTable,
                                         const QString& code);

}  // namespace kelvor
