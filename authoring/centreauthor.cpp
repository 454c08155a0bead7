#include "centreauthor.h"

#include "authoringerror.h"
#include "pictures.h"

#include "library/centres.h"
#include "library/layout.h"

#include <algorithm>

namespace kelvor::authoring {

namespace {

QString prefixOf(const QString& table)
{
    const Centre* centre = centreByTable(table);
    if (!centre || centre->codePrefix.isEmpty())
        throw AuthoringError(QStringLiteral("%1 is not a centre with record codes").arg(table));
    return centre->codePrefix;
}

// The document's path relative to the data root, by the library's own rule.
QString documentFile(const QString& link, const QString& code, const QString& extension)
{
    const auto path = LibraryLayout(QString()).documentPath(link, code, extension);
    if (!path || !path->startsWith(QLatin1Char('/')))
        throw AuthoringError(QStringLiteral("document folder \"%1\" is not a plain folder name").arg(link));
    return path->mid(1);
}

}  // namespace

CentreAuthor::CentreAuthor(LibraryContent& content, const QString& table)
    : m_content(content), m_table(table), m_catalogue(prefixOf(table))
{
}

QString CentreAuthor::folder(const QString& parent, const QString& name)
{
    return m_catalogue.addFolder(parent, name);
}

QString CentreAuthor::comingSoonFolder(const QString& parent)
{
    return m_catalogue.addFolder(parent, QStringLiteral("更多内容（整理中）"));
}

QString CentreAuthor::page(const QString& parent, const DocumentPage& page, const DocumentFields& fields)
{
    const QString code = m_catalogue.nextCode(parent);
    const QByteArray bytes = gbkBytes(page.html(), m_table + QLatin1Char(' ') + code);
    return addDocument(parent, page.title(), page.searchText(), QStringLiteral(".htm"), bytes, false, page.hasSource(),
                       fields);
}

QString CentreAuthor::picture(const QString& parent, const QString& title, const QString& mark, const QImage& image,
                              const DocumentFields& fields)
{
    return addDocument(parent, title, mark, QStringLiteral(".jpg"), jpegBytes(image), false, false, fields);
}

QString CentreAuthor::player(const QString& parent, const QString& title, const QString& mark,
                             const QByteArray& program, const DocumentFields& fields)
{
    return addDocument(parent, title, mark, QStringLiteral(".exe"), program, true, false, fields);
}

QString CentreAuthor::addDocument(const QString& parent, const QString& title, const QString& mark,
                                  const QString& extension, const QByteArray& bytes, bool executable,
                                  bool hasSource, const DocumentFields& fields)
{
    const QString code = m_catalogue.nextCode(parent);
    m_content.addFile({documentFile(fields.link, code, extension), bytes, executable});

    CentreRecord record;
    record.name = title;
    record.link = fields.link;
    record.mark = mark;
    record.jbmc = fields.jbmc;
    record.jbnr = fields.jbnr;
    record.nycd = fields.nycd;
    record.bb = fields.bb;
    // The source button of the side panel is enabled by `cc`.
    record.cc = hasSource ? QStringLiteral("1") : QString();
    m_catalogue.addDocument(parent, record);

    for (const QString& keyword : fields.techKeywordLinks)
        m_content.techKeywords.push_back({keyword, title, title, code});
    for (const QString& keyword : fields.exampleKeywordLinks)
        m_content.exampleKeywords.push_back({keyword, title, title, code});
    return code;
}

void CentreAuthor::finish()
{
    if (m_finished) return;
    m_finished = true;
    auto& rows = m_content.centreTables[m_table];
    for (CentreRecord& r : m_catalogue.records()) rows.push_back(std::move(r));
    std::sort(rows.begin(), rows.end(), [](const CentreRecord& a, const CentreRecord& b) { return a.xxbh < b.xxbh; });
}

}  // namespace kelvor::authoring
