#include "projects.h"

#include "contentfile.h"
#include "topicfiles.h"

namespace kelvor::authoring {

namespace {

Project readProject(const QString& folder, const QString& key, const QStringList& categories)
{
    const ContentEntry entry = ContentEntry::read(folder + QStringLiteral("/project.json"));
    entry.allowOnly({QStringLiteral("name"), QStringLiteral("category"), QStringLiteral("language"),
                     QStringLiteral("exampleKeyword"), QStringLiteral("link"), QStringLiteral("summary"),
                     QStringLiteral("features"), QStringLiteral("tables"), QStringLiteral("coreTitle"),
                     QStringLiteral("coreFile"), QStringLiteral("coreNotes"), QStringLiteral("output"),
                     QStringLiteral("techniques"), QStringLiteral("buildCommands"), QStringLiteral("testCases")});
    Project p;
    p.key = key;
    p.name = entry.string(QStringLiteral("name"));
    p.category = entry.string(QStringLiteral("category"));
    if (!categories.contains(p.category))
        entry.fail(QStringLiteral("category \"%1\" is not in index.json").arg(p.category));
    p.language = entry.string(QStringLiteral("language"));
    p.exampleKeyword = entry.string(QStringLiteral("exampleKeyword"));
    p.link = entry.string(QStringLiteral("link"));
    p.summary = entry.lines(QStringLiteral("summary"));
    // The pages split features and test cases at '|'; one inside a text would shift every later column.
    const QStringList features = entry.strings(QStringLiteral("features"));
    for (const QString& f : features)
        if (f.contains(QLatin1Char('|'))) entry.fail(QStringLiteral("a feature must not contain '|'"));
    p.features = features.join(QLatin1Char('|'));
    for (const ContentEntry& table : entry.objects(QStringLiteral("tables"))) {
        table.allowOnly({QStringLiteral("name"), QStringLiteral("comment"), QStringLiteral("columns")});
        const QStringList columns = table.strings(QStringLiteral("columns"));
        for (const QString& c : columns)
            if (c.count(QLatin1Char('|')) != 1)
                table.fail(QStringLiteral("column \"%1\" must be \"definition|comment\"").arg(c));
        p.tables.push_back({table.string(QStringLiteral("name")), table.string(QStringLiteral("comment")),
                            columns.join(QLatin1Char('\n'))});
    }
    p.coreTitle = entry.string(QStringLiteral("coreTitle"));
    p.coreFile = entry.string(QStringLiteral("coreFile"));
    p.coreCode = entry.sourceFile(folder, QStringLiteral("coreFile"));
    p.coreNotes = entry.lines(QStringLiteral("coreNotes"));
    p.coreOutput = entry.outputFile(folder, QStringLiteral("output"));
    p.snippetKeys = entry.strings(QStringLiteral("techniques"));
    p.buildCommands = entry.lines(QStringLiteral("buildCommands"));
    QStringList cases;
    for (const QJsonValue& pair : entry.array(QStringLiteral("testCases"))) {
        const QJsonArray two = pair.toArray();
        if (!pair.isArray() || two.size() != 2 || !two[0].isString() || !two[1].isString() ||
            two[0].toString().contains(QLatin1Char('|')) || two[1].toString().contains(QLatin1Char('|')))
            entry.fail(QStringLiteral("each test case must be a pair of texts [case, expected] without '|'"));
        cases << two[0].toString() << two[1].toString();
    }
    if (cases.isEmpty()) entry.fail(QStringLiteral("field \"testCases\" is empty"));
    p.testCases = cases.join(QLatin1Char('|'));
    return p;
}

}  // namespace

ProjectContent readProjects(const QString& root)
{
    const QString folder = root + QStringLiteral("/projects");
    const ContentEntry index = ContentEntry::read(folder + QStringLiteral("/index.json"));
    index.allowOnly({QStringLiteral("categories"), QStringLiteral("projects")});
    ProjectContent content;
    content.categories = index.strings(QStringLiteral("categories"));
    for (const QString& key : index.strings(QStringLiteral("projects")))
        content.projects.push_back(readProject(folder + QLatin1Char('/') + key, key, content.categories));
    return content;
}

namespace {

const ProjectContent& builtIn()
{
    static const ProjectContent content = readProjects(builtInContentRoot());
    return content;
}

}  // namespace

const std::vector<Project>& projects()
{
    return builtIn().projects;
}

const QStringList& projectCategories()
{
    return builtIn().categories;
}

}  // namespace kelvor::authoring
