#pragma once

#include "report.h"

#include "library/layout.h"

#include <QString>

#include <optional>

namespace kelvor::reports {

// Renders `report` into the library's report page and writes the result as
// its own page into `folder` (the library's page stays the clean template),
// replacing the previous one atomically. A library without the report page
// gets a plain page with the placeholder. The path written, or nothing when
// it could not be written.
std::optional<QString> writeReportPage(const LibraryLayout& layout, const QString& folder, const Report& report);

}  // namespace kelvor::reports
