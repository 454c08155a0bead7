#pragma once

#include "report.h"

#include <QString>

namespace kelvor::reports {

// The text of the report page where the banner goes.
QString reportPlaceholder();

// The report page with `report` pasted in: the placeholder gives way to the
// red banner "关于<term>,共找到 <count>处解释和应用" and the report's lines,
// each on its own line, up to and including the first empty one; then every
// occurrence of the term in the page's text, the banner's included, is
// marked red. A page without the placeholder only gets the marks. Report
// text is shown as text, never read as markup.
QString renderReport(const QString& pageHtml, const Report& report);

// Wraps every occurrence of `term` (case ignored) in the text of `html`,
// outside tags, scripts, styles and the title, in a span with background `colour`.
QString markTerm(const QString& html, const QString& term, const QString& colour);

}  // namespace kelvor::reports
