#include "centreauthor.h"
#include "democentres.h"
#include "snippetpages.h"
#include "solutions.h"

namespace kelvor::authoring {

namespace {

const QStringList kOrdinals = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四")};

QString approachTitle(const Solution& sol, int index)
{
    return QStringLiteral("%1：方案%2 %3").arg(sol.title, kOrdinals.value(index), sol.approaches[index].name);
}

DocumentPage analysisPage(const Solution& sol)
{
    DocumentPage page(sol.title + QStringLiteral("：问题分析"));
    page.addHeading(QStringLiteral("问题描述"));
    page.addParagraphs(sol.problem);
    page.addHeading(QStringLiteral("可选方案"));
    QStringList names;
    for (size_t i = 0; i < sol.approaches.size(); ++i)
        names << QStringLiteral("方案%1：%2").arg(kOrdinals.value(int(i)), sol.approaches[i].name);
    page.addList(names);
    return page;
}

DocumentPage approachPage(const Solution& sol, int index)
{
    const SolutionApproach& a = sol.approaches[index];
    const Snippet& s = snippetByKey(a.snippetKey);
    DocumentPage page(approachTitle(sol, index));
    page.addHeading(QStringLiteral("方案思路"));
    page.addParagraphs(a.reason);
    page.addHeading(QStringLiteral("技术要点"));
    page.addParagraphs(s.intro);
    page.addHeading(QStringLiteral("参考代码"));
    page.addSource(s.code);
    if (!s.output.isEmpty()) page.addConsole(s.output);
    page.addHeading(QStringLiteral("优点"));
    page.addParagraphs(a.pros);
    page.addHeading(QStringLiteral("不足"));
    page.addParagraphs(a.cons);
    page.addHeading(QStringLiteral("注意事项"));
    page.addParagraphs(s.notes);
    page.addKeywords({sol.keyword, s.techKeywords.value(0)});
    return page;
}

DocumentPage recommendationPage(const Solution& sol)
{
    DocumentPage page(sol.title + QStringLiteral("：选型建议"));
    page.addHeading(QStringLiteral("方案对比"));
    QList<QStringList> rows;
    for (size_t i = 0; i < sol.approaches.size(); ++i) {
        const SolutionApproach& a = sol.approaches[i];
        rows.push_back({QStringLiteral("方案%1 %2").arg(kOrdinals.value(int(i)), a.name),
                        snippetByKey(a.snippetKey).language, a.pros, a.cons});
    }
    page.addTable({QStringLiteral("方案"), QStringLiteral("语言"), QStringLiteral("优点"), QStringLiteral("不足")}, rows);
    page.addHeading(QStringLiteral("建议"));
    page.addParagraphs(sol.recommendation);
    return page;
}

DocumentPage categoryPage(const QString& category)
{
    DocumentPage page(category + QStringLiteral("：方案一览"));
    page.addParagraphs(QStringLiteral("本类别收录以下问题的解决方案，每个问题都有问题分析、两到三种方案和选型建议。"));
    for (const Solution& s : solutions()) {
        if (s.category != category) continue;
        page.addHeading(s.title);
        page.addParagraphs(s.problem.section(QLatin1Char('\n'), 0, 0));
    }
    return page;
}

DocumentPage solutionGuide()
{
    DocumentPage page(QStringLiteral("方案中心导读"));
    page.addParagraphs(QStringLiteral(
        "方案中心针对开发中反复出现的典型问题，给出几种可选的解决方案，逐一分析它们的思路、代码、优点和不足，最后给出选型建议。\n"
        "同一个问题往往没有唯一的正确答案，理解每种方案的适用条件，比记住某一种写法更重要。"));
    QStringList titles;
    for (const Solution& s : solutions()) titles << s.title;
    page.addList(titles);
    return page;
}

}  // namespace

void addSolutionCentre(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("fazx"));
    centre.page(QString(), solutionGuide(), {.link = QStringLiteral("faguide")});
    for (const QString& category : solutionCategories()) {
        const QString categoryFolder = centre.folder(QString(), category);
        centre.page(categoryFolder, categoryPage(category), {.link = QStringLiteral("faguide")});
        bool placeholderAdded = false;
        for (const Solution& sol : solutions()) {
            if (sol.category != category) continue;
            const QString folder = centre.folder(categoryFolder, sol.title);
            const QString keyword = sol.keyword;
            const DocumentFields fields{.link = sol.link, .jbnr = keyword, .exampleKeywordLinks = {keyword}};
            centre.page(folder, analysisPage(sol), fields);
            auto approach = [&](const QString& parent, int index) {
                const Snippet& s = snippetByKey(sol.approaches[index].snippetKey);
                DocumentFields f = fields;
                f.jbmc = s.techKeywords.value(0);
                f.nycd = s.key;
                f.techKeywordLinks = {f.jbmc};
                addSnippetSourceFolder(content, s);
                centre.page(parent, approachPage(sol, index), f);
            };
            approach(folder, 0);
            approach(folder, 1);
            centre.page(folder, recommendationPage(sol), fields);
            const QString alternatives = centre.folder(folder, QStringLiteral("备选方案"));
            for (int i = 2; i < int(sol.approaches.size()); ++i) approach(alternatives, i);
            if (!placeholderAdded) {
                centre.comingSoonFolder(alternatives);
                placeholderAdded = true;
            }
        }
    }
    centre.finish();
}

}  // namespace kelvor::authoring
