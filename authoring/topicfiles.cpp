#include "topicfiles.h"

#include "authoringerror.h"
#include "contentfile.h"

#include <QDir>
#include <QFile>

#include <set>

namespace kelvor::authoring {

namespace {

QString readText(const QString& path)
{
    return QString::fromUtf8(readContentFile(path));
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
    const ContentEntry entry = ContentEntry::read(metadata);
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
    const QJsonDocument document = readContentJson(path);
    if (!document.isArray()) throw AuthoringError(QStringLiteral("%1: must hold a JSON list of sections").arg(path));
    std::set<QString> known;
    for (const Snippet& s : topics) known.insert(s.key);

    std::vector<LanguageSection> sections;
    for (const QJsonValue& value : document.array()) {
        const QString where = QStringLiteral("%1 (section %2)").arg(path).arg(sections.size() + 1);
        if (!value.isObject()) throw AuthoringError(QStringLiteral("%1: must be a JSON object").arg(where));
        const ContentEntry entry(where, value.toObject());
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
            const ContentEntry group(where, groupValue.toObject());
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
