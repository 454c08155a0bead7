#include "catalogue.h"

#include "authoringerror.h"

#include "library/centres.h"

namespace kelvor::authoring {

namespace {
constexpr int kFirstLevelOne = 11;
}

CatalogueBuilder::CatalogueBuilder(QString prefix) : m_prefix(std::move(prefix)) {}

QString CatalogueBuilder::nextCode(const QString& parent) const
{
    const auto it = m_lastChild.find(parent);
    if (parent.isEmpty()) {
        const int n = it == m_lastChild.end() ? kFirstLevelOne : it->second + 1;
        if (n > 99) throw AuthoringError(QStringLiteral("centre %1 has no room for another level-1 entry").arg(m_prefix));
        return m_prefix + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    if (!m_records.count(parent)) throw AuthoringError(QStringLiteral("unknown parent code %1").arg(parent));
    if (codes::level(parent) >= 4) throw AuthoringError(QStringLiteral("code %1 is already at level 4").arg(parent));
    const int n = it == m_lastChild.end() ? 1 : it->second + 1;
    if (n > 9999) throw AuthoringError(QStringLiteral("folder %1 has no room for another entry").arg(parent));
    return parent + QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

QString CatalogueBuilder::take(const QString& parent)
{
    const QString code = nextCode(parent);
    m_lastChild[parent] = code.right(parent.isEmpty() ? 2 : 4).toInt();
    return code;
}

QString CatalogueBuilder::addFolder(const QString& parent, const QString& name)
{
    CentreRecord folder;
    folder.xxbh = take(parent);
    folder.name = name;
    m_records[folder.xxbh] = folder;
    return folder.xxbh;
}

QString CatalogueBuilder::addDocument(const QString& parent, CentreRecord record)
{
    record.xxbh = take(parent);
    if (record.eee.isEmpty()) record.eee = QStringLiteral("1");
    const QString code = record.xxbh;
    m_records[code] = std::move(record);
    return code;
}

std::vector<CentreRecord> CatalogueBuilder::records() const
{
    std::vector<CentreRecord> out;
    out.reserve(m_records.size());
    for (const auto& [code, record] : m_records) out.push_back(record);
    return out;
}

}  // namespace kelvor::authoring
