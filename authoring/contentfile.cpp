#include "contentfile.h"

#include "authoringerror.h"

#include <QFile>

namespace kelvor::authoring {

QByteArray readContentFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw AuthoringError(QStringLiteral("%1: cannot be read").arg(path));
    return file.readAll();
}

QJsonDocument readContentJson(const QString& path)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(readContentFile(path), &error);
    if (error.error != QJsonParseError::NoError)
        throw AuthoringError(QStringLiteral("%1: not valid JSON at byte %2: %3")
                                 .arg(path)
                                 .arg(error.offset)
                                 .arg(error.errorString()));
    return document;
}

ContentEntry ContentEntry::read(const QString& path)
{
    const QJsonDocument document = readContentJson(path);
    if (!document.isObject()) throw AuthoringError(QStringLiteral("%1: must hold one JSON object").arg(path));
    return ContentEntry(path, document.object());
}

void ContentEntry::fail(const QString& what) const
{
    throw AuthoringError(QStringLiteral("%1: %2").arg(m_where, what));
}

void ContentEntry::allowOnly(const QStringList& fields) const
{
    for (auto it = m_object.begin(); it != m_object.end(); ++it)
        if (!fields.contains(it.key())) fail(QStringLiteral("unknown field \"%1\"").arg(it.key()));
}

QString ContentEntry::string(const QString& field, bool required) const
{
    const QJsonValue v = m_object.value(field);
    if (v.isUndefined() && !required) return {};
    if (!v.isString()) fail(QStringLiteral("field \"%1\" must be a text").arg(field));
    const QString s = v.toString();
    if (required && s.isEmpty()) fail(QStringLiteral("field \"%1\" is empty").arg(field));
    return s;
}

QStringList ContentEntry::strings(const QString& field, bool required) const
{
    const QJsonValue v = m_object.value(field);
    if (v.isUndefined() && !required) return {};
    if (!v.isArray()) fail(QStringLiteral("field \"%1\" must be a list of texts").arg(field));
    QStringList out;
    for (const QJsonValue& item : v.toArray()) {
        if (!item.isString()) fail(QStringLiteral("field \"%1\" must be a list of texts").arg(field));
        out << item.toString();
    }
    if (required && out.isEmpty()) fail(QStringLiteral("field \"%1\" is empty").arg(field));
    return out;
}

QString ContentEntry::lines(const QString& field, bool required) const
{
    return strings(field, required).join(QLatin1Char('\n'));
}

bool ContentEntry::flag(const QString& field) const
{
    const QJsonValue v = m_object.value(field);
    if (v.isUndefined()) return false;
    if (!v.isBool()) fail(QStringLiteral("field \"%1\" must be true or false").arg(field));
    return v.toBool();
}

QJsonArray ContentEntry::array(const QString& field) const
{
    const QJsonValue v = m_object.value(field);
    if (!v.isArray()) fail(QStringLiteral("field \"%1\" must be a list").arg(field));
    return v.toArray();
}

QList<ContentEntry> ContentEntry::objects(const QString& field) const
{
    QList<ContentEntry> out;
    for (const QJsonValue& value : array(field)) {
        const QString where = QStringLiteral("%1 (%2 %3)").arg(m_where, field).arg(out.size() + 1);
        if (!value.isObject()) throw AuthoringError(QStringLiteral("%1: must be a JSON object").arg(where));
        out.push_back(ContentEntry(where, value.toObject()));
    }
    if (out.isEmpty()) fail(QStringLiteral("field \"%1\" is empty").arg(field));
    return out;
}

QString ContentEntry::fileName(const QString& folder, const QString& field, bool required) const
{
    const QString name = string(field, required);
    if (name.isEmpty()) return {};
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.startsWith(QLatin1Char('.')) ||
        name.endsWith(QLatin1String(".json")))
        fail(QStringLiteral("field \"%1\" must name a file beside the JSON file").arg(field));
    if (!QFile::exists(folder + QLatin1Char('/') + name))
        fail(QStringLiteral("the file \"%1\" named by \"%2\" is missing").arg(name, field));
    return name;
}

QString ContentEntry::sourceFile(const QString& folder, const QString& field, bool required) const
{
    const QString name = fileName(folder, field, required);
    if (name.isEmpty()) return {};
    const QString path = folder + QLatin1Char('/') + name;
    QString code = QString::fromUtf8(readContentFile(path));
    while (code.startsWith(QLatin1Char('\n'))) code.remove(0, 1);
    while (code.endsWith(QLatin1Char('\n')) || code.endsWith(QLatin1Char(' '))) code.chop(1);
    if (code.isEmpty()) throw AuthoringError(QStringLiteral("%1: is empty").arg(path));
    return code;
}

QString ContentEntry::outputFile(const QString& folder, const QString& field) const
{
    const QString name = fileName(folder, field, false);
    if (name.isEmpty()) return {};
    QString output = QString::fromUtf8(readContentFile(folder + QLatin1Char('/') + name));
    if (output.endsWith(QLatin1Char('\n'))) output.chop(1);
    return output;
}

}  // namespace kelvor::authoring
