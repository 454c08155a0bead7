#include "topicfiles.h"

#include "authoringerror.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

namespace kelvor::authoring {

namespace {

// One JSON file and the checks on its fields; every complaint names the file.
class Entry {
public:
    Entry(const QString& path, const QJsonObject& object) : m_path(path), m_object(object) {}

    [[noreturn]] void fail(const QString& what) const
    {
        throw AuthoringError(QStringLiteral("%1: %2").arg(m_path, what));
    }

    // Fails on a field that no reader knows: most likely a misspelt one.
    void allowOnly(const QStringList& fields) const
    {
        for (auto it = m_object.begin(); it != m_object.end(); ++it)
            if (!fields.contains(it.key())) fail(QStringLiteral("unknown field \"%1\"").arg(it.key()));
    }

    QString string(const QString& field, bool required = true) const
    {
        const QJsonValue v = m_object.value(field);
        if (v.isUndefined() && !required) return {};
        if (!v.isString()) fail(QStringLiteral("field \"%1\" must be a text").arg(field));
        const QString s = v.toString();
        if (required && s.isEmpty()) fail(QStringLiteral("field \"%1\" is empty").arg(field));
        return s;
    }

    QStringList strings(const QString& field, bool required = true) const
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

    // Paragraphs are kept one per list entry so that the files stay readable.
    QString lines(const QString& field, bool required = true) const
    {
        return strings(field, required).join(QLatin1Char('\n'));
    }

    QJsonArray array(const QString& field) const
    {
        const QJsonValue v = m_object.value(field);
        if (!v.isArray()) fail(QStringLiteral("field \"%1\" must be a list").arg(field));
        return v.toArray();
    }

private:
    QString m_path;
    QJsonObject m_object;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw AuthoringError(QStringLiteral("%1: cannot be read").arg(path));
    return file.readAll();
}

QString readText(const QString& path)
{
    return QString::fromUtf8(readFile(path));
}

QJsonDocument readJson(const QString& path)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(readFile(path), &error);
    if (error.error != QJsonParseError::NoError)
        throw AuthoringError(QStringLiteral("%1: not valid JSON at byte %2: %3")
                                 .arg(path)
                                 .arg(error.offset)
                                 .arg(error.errorString()));
    return document;
}

Entry readObject(const QString& path)
{
    const QJsonDocument document = readJson(path);
    if (!document.isObject()) throw AuthoringError(QStringLiteral("%1: must hold one JSON object").arg(path));
    return Entry(path, document.object());
}

QString withoutBlankEdges(QString code)
{
    while (code.startsWith(QLatin1Char('\n'))) code.remove(0, 1);
    while (code.endsWith(QLatin1Char('\n')) || code.endsWith(QLatin1Char(' '))) code.chop(1);
    return code;
}

Snippet readTopic(const QString& folder, const QString& key)
{
    const QString metadata = folder + QStringLiteral("/topic.json");
    const Entry entry = readObject(metadata);
    entry.allowOnly({QStringLiteral("language"), QStringLiteral("file"), QStringLiteral("title"),
                     QStringLiteral("exampleTitle"), QStringLiteral("techKeywords"), QStringLiteral("exampleKeyword"),
                     QStringLiteral("outputDependsOn"), QStringLiteral("intro"), QStringLiteral("task"),
                     QStringLiteral("notes")});
    Snippet s;
    s.key = key;
    s.language = entry.string(QStringLiteral("language"));
    s.fileName = entry.string(QStringLiteral("file"));
    if (s.fileName.contains(QLatin1Char('/')) || s.fileName.startsWith(QLatin1Char('.')) ||
        s.fileName == QLatin1String("topic.json") || s.fileName == QLatin1String("output.txt"))
        entry.fail(QStringLiteral("field \"file\" must name a source file beside topic.json"));
    s.title = entry.string(QStringLiteral("title"));
    s.exampleTitle = entry.string(QStringLiteral("exampleTitle"), false);
    s.techKeywords = entry.strings(QStringLiteral("techKeywords"));
    s.exampleKeyword = entry.string(QStringLiteral("exampleKeyword"));
    s.outputDependsOn = entry.string(QStringLiteral("outputDependsOn"), false);
    s.intro = entry.lines(QStringLiteral("intro"));
    s.task = entry.lines(QStringLiteral("task"), false);
    s.notes = entry.lines(QStringLiteral("notes"));

    const QString source = folder + QLatin1Char('/') + s.fileName;
    if (!QFile::exists(source)) entry.fail(QStringLiteral("the source file \"%1\" is missing").arg(s.fileName));
    s.code = withoutBlankEdges(readText(source));
    if (s.code.isEmpty()) throw AuthoringError(QStringLiteral("%1: is empty").arg(source));

    // An editor ends the file with a line break; the program's output does not.
    const QString output = folder + QStringLiteral("/output.txt");
    if (QFile::exists(output)) {
        s.output = readText(output);
        if (s.output.endsWith(QLatin1Char('\n'))) s.output.chop(1);
    }
    return s;
}

}  // namespace

std::vector<Snippet> readTopics(const QString& root)
{
    const QDir topics(root + QStringLiteral("/topics"));
    if (!topics.exists()) throw AuthoringError(QStringLiteral("%1: no such folder").arg(topics.path()));
    std::vector<Snippet> all;
    for (const QString& key : topics.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        all.push_back(readTopic(topics.filePath(key), key));
    if (all.empty()) throw AuthoringError(QStringLiteral("%1: holds no topics").arg(topics.path()));
    return all;
}

std::vector<LanguageSection> readSections(const QString& root, const std::vector<Snippet>& topics)
{
    const QString path = root + QStringLiteral("/sections.json");
    const QJsonDocument document = readJson(path);
    if (!document.isArray()) throw AuthoringError(QStringLiteral("%1: must hold a JSON list of sections").arg(path));
    std::set<QString> known;
    for (const Snippet& s : topics) known.insert(s.key);

    std::vector<LanguageSection> sections;
    for (const QJsonValue& value : document.array()) {
        const QString where = QStringLiteral("%1 (section %2)").arg(path).arg(sections.size() + 1);
        if (!value.isObject()) throw AuthoringError(QStringLiteral("%1: must be a JSON object").arg(where));
        const Entry entry(where, value.toObject());
        entry.allowOnly({QStringLiteral("language"), QStringLiteral("techFolder"), QStringLiteral("exampleFolder"),
                         QStringLiteral("videoFolder"), QStringLiteral("techLink"), QStringLiteral("exampleLink"),
                         QStringLiteral("videoLink"), QStringLiteral("overview"), QStringLiteral("groups")});
        LanguageSection section;
        section.language = entry.string(QStringLiteral("language"));
        section.techFolder = entry.string(QStringLiteral("techFolder"));
        section.exampleFolder = entry.string(QStringLiteral("exampleFolder"), false);
        section.videoFolder = entry.string(QStringLiteral("videoFolder"));
        section.techLink = entry.string(QStringLiteral("techLink"));
        section.exampleLink = entry.string(QStringLiteral("exampleLink"), false);
        section.videoLink = entry.string(QStringLiteral("videoLink"));
        if (section.exampleFolder.isEmpty() != section.exampleLink.isEmpty())
            entry.fail(QStringLiteral("\"exampleFolder\" and \"exampleLink\" are both set or both empty"));
        section.overview = entry.lines(QStringLiteral("overview"));
        for (const QJsonValue& groupValue : entry.array(QStringLiteral("groups"))) {
            const Entry group(where, groupValue.toObject());
            if (!groupValue.isObject()) group.fail(QStringLiteral("a group must be a JSON object"));
            group.allowOnly({QStringLiteral("name"), QStringLiteral("topics")});
            TopicGroup g{group.string(QStringLiteral("name")), group.strings(QStringLiteral("topics"))};
            for (const QString& key : g.keys)
                if (!known.count(key)) group.fail(QStringLiteral("group \"%1\" names an unknown topic \"%2\"").arg(g.name, key));
            section.groups.push_back(std::move(g));
        }
        if (section.groups.empty()) entry.fail(QStringLiteral("field \"groups\" is empty"));
        sections.push_back(std::move(section));
    }
    return sections;
}

QString builtInContentRoot()
{
    return QStringLiteral(":/kelvor/content");
}

}  // namespace kelvor::authoring
