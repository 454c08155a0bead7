#include "libraryfile.h"

#include "authoringerror.h"

#include "library/atomicfile.h"
#include "library/gbk.h"

#include <QDir>
#include <QFileInfo>

namespace kelvor::authoring {

bool isGbkText(const QString& text)
{
    // The codec writes GB18030; its four-byte sequences (second byte a digit)
    // are the characters GBK lacks.
    const QByteArray bytes = gbk::encode(text);
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes.at(i));
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size()) return false;
        const auto trail = static_cast<unsigned char>(bytes.at(i + 1));
        if (trail >= 0x30 && trail <= 0x39) return false;
        i += 2;
    }
    return true;
}

QByteArray gbkBytes(const QString& text, const QString& where)
{
    if (!isGbkText(text)) {
        for (const QChar c : text) {
            if (!isGbkText(QString(c)))
                throw AuthoringError(QStringLiteral("%1: character U+%2 has no GBK form")
                                         .arg(where)
                                         .arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
        throw AuthoringError(QStringLiteral("%1: text has no GBK form").arg(where));
    }
    return gbk::encode(text);
}

void writeLibraryFile(const QString& dataRoot, const LibraryFile& file)
{
    const QString path = dataRoot + QLatin1Char('/') + file.relativePath;
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw AuthoringError(QStringLiteral("cannot create the folder of %1").arg(path));
    if (!replaceFile(path, file.bytes)) throw AuthoringError(QStringLiteral("cannot write %1").arg(path));
    if (file.executable) {
        const auto perms = QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                           QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        if (!QFile::setPermissions(path, perms))
            throw AuthoringError(QStringLiteral("cannot make %1 executable").arg(path));
    }
}

}  // namespace kelvor::authoring
