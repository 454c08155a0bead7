#include "solutions.h"

#include "contentfile.h"
#include "topicfiles.h"

namespace kelvor::authoring {

namespace {

// The centre files the last approach under "备选方案" and numbers the others.
constexpr qsizetype kApproaches = 3;

Solution readSolution(const QString& folder, const QStringList& categories)
{
    const ContentEntry entry = ContentEntry::read(folder + QStringLiteral("/solution.json"));
    entry.allowOnly({QStringLiteral("title"), QStringLiteral("category"), QStringLiteral("link"),
                     QStringLiteral("keyword"), QStringLiteral("problem"), QStringLiteral("approaches"),
                     QStringLiteral("recommendation")});
    Solution s;
    s.title = entry.string(QStringLiteral("title"));
    s.category = entry.string(QStringLiteral("category"));
    if (!categories.contains(s.category))
        entry.fail(QStringLiteral("category \"%1\" is not in index.json").arg(s.category));
    s.link = entry.string(QStringLiteral("link"));
    s.keyword = entry.string(QStringLiteral("keyword"));
    s.problem = entry.lines(QStringLiteral("problem"));
    const QList<ContentEntry> approaches = entry.objects(QStringLiteral("approaches"));
    if (approaches.size() != kApproaches)
        entry.fail(QStringLiteral("field \"approaches\" must hold %1 approaches").arg(kApproaches));
    for (const ContentEntry& a : approaches) {
        a.allowOnly({QStringLiteral("technique"), QStringLiteral("name"), QStringLiteral("reason"),
                     QStringLiteral("pros"), QStringLiteral("cons")});
        s.approaches.push_back({a.string(QStringLiteral("technique")), a.string(QStringLiteral("name")),
                                a.lines(QStringLiteral("reason")), a.lines(QStringLiteral("pros")),
                                a.lines(QStringLiteral("cons"))});
    }
    s.recommendation = entry.lines(QStringLiteral("recommendation"));
    return s;
}

}  // namespace

SolutionContent readSolutions(const QString& root)
{
    const QString folder = root + QStringLiteral("/solutions");
    const ContentEntry index = ContentEntry::read(folder + QStringLiteral("/index.json"));
    index.allowOnly({QStringLiteral("categories"), QStringLiteral("solutions")});
    SolutionContent content;
    content.categories = index.strings(QStringLiteral("categories"));
    for (const QString& key : index.strings(QStringLiteral("solutions")))
        content.solutions.push_back(readSolution(folder + QLatin1Char('/') + key, content.categories));
    return content;
}

namespace {

const SolutionContent& builtIn()
{
    static const SolutionContent content = readSolutions(builtInContentRoot());
    return content;
}

}  // namespace

const std::vector<Solution>& solutions()
{
    return builtIn().solutions;
}

const QStringList& solutionCategories()
{
    return builtIn().categories;
}

}  // namespace kelvor::authoring
