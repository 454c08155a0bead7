#include "librarycontent.h"

#include "authoringerror.h"

#include <algorithm>

namespace kelvor::authoring {

void LibraryContent::addFile(LibraryFile file)
{
    const auto it = files.find(file.relativePath);
    if (it != files.end()) {
        if (it->second.bytes != file.bytes || it->second.executable != file.executable)
            throw AuthoringError(QStringLiteral("two different files for %1").arg(file.relativePath));
        return;
    }
    const QString path = file.relativePath;
    files.emplace(path, std::move(file));
}

const CentreRecord* LibraryContent::findRecord(const QString& table, const QString& code) const
{
    const auto it = centreTables.find(table);
    if (it == centreTables.end()) return nullptr;
    const auto& rows = it->second;
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const CentreRecord& r) { return r.xxbh == code; });
    return found == rows.end() ? nullptr : &*found;
}

CentreRecord* LibraryContent::findRecord(const QString& table, const QString& code)
{
    return const_cast<CentreRecord*>(std::as_const(*this).findRecord(table, code));
}

}  // namespace kelvor::authoring
