#pragma once

#include <QByteArray>
#include <QString>

namespace kelvor::reports {

// The text a reader sees in an HTML page: no tags, scripts, styles or
// comments, entities decoded, every run of white space one blank.
QString plainTextOfHtml(const QString& html);

// The plain text of the page file at `path`, read as UTF-8 when it is Chinese UTF-8
// UTF-8 and as GBK otherwise; empty for a file that cannot be read or is not
// a page.
QString plainTextOfPage(const QString& path);
// The text of a page's bytes by the same rule.
QString decodePage(const QByteArray& bytes);

}  // namespace kelvor::reports
