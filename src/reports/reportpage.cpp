#include "reportpage.h"

#include "documenttext.h"
#include "reportrender.h"

#include "library/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvor::reports {

std::optional<QString> writeReportPage(const LibraryLayout& layout, const QString& folder, const Report& report)
{
    QString page;
    QFile library(layout.reportPage());
    if (library.open(QIODevice::ReadOnly)) page = decodePage(library.readAll());
    if (!page.contains(reportPlaceholder()))
        page = QStringLiteral("<html><body><p>") + reportPlaceholder() + QStringLiteral("</p></body></html>");
    const QString path = folder + QLatin1Char('/') + QFileInfo(layout.reportPage()).fileName();
    if (!QDir().mkpath(folder)) return std::nullopt;
    // The byte-order mark names the encoding over whatever the template's own
    // meta element says, so the report's text reads right in any script.
    if (!replaceFile(path, QByteArray("\xEF\xBB\xBF") + renderReport(page, report).toUtf8())) return std::nullopt;
    return path;
}

}  // namespace kelvor::reports
