#include "centreauthor.h"
#include "democentres.h"
#include "projects.h"
#include "snippetpages.h"

namespace kelvor::authoring {

namespace {

struct Column {
    QString definition;
    QString comment;
};

QList<Column> columnsOf(const ProjectTable& table)
{
    QList<Column> columns;
    for (const QString& line : table.columns.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        columns.push_back({line.section(QLatin1Char('|'), 0, 0), line.section(QLatin1Char('|'), 1)});
    return columns;
}

// CREATE TABLE statements with each column's meaning as a comment.
QString schemaSql(const Project& p)
{
    QStringList out;
    for (const ProjectTable& table : p.tables) {
        const QList<Column> columns = columnsOf(table);
        qsizetype width = 0;
        for (const Column& c : columns) width = std::max(width, c.definition.size() + 1);
        out << QStringLiteral("-- %1").arg(table.comment);
        out << QStringLiteral("CREATE TABLE %1 (").arg(table.name);
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const bool last = i + 1 == columns.size();
            const QString definition = columns[i].definition + (last ? QString() : QStringLiteral(","));
            out << QStringLiteral("    %1  -- %2").arg(definition.leftJustified(width), columns[i].comment);
        }
        out << QStringLiteral(");") << QString();
    }
    while (!out.isEmpty() && out.back().isEmpty()) out.removeLast();
    return out.join(QLatin1Char('\n'));
}

DocumentPage requirementsPage(const Project& p)
{
    DocumentPage page(p.name + QStringLiteral("：需求分析"));
    page.addParagraphs(p.summary);
    page.addHeading(QStringLiteral("功能需求"));
    page.addList(p.features.split(QLatin1Char('|')));
    page.addHeading(QStringLiteral("技术选型"));
    QStringList techniques;
    for (const QString& key : p.snippetKeys) techniques << snippetByKey(key).title;
    page.addParagraphs(QStringLiteral("开发语言：%1。项目中用到的关键技术在技术中心有详细讲解：").arg(p.language));
    page.addList(techniques);
    return page;
}

DocumentPage databasePage(const Project& p)
{
    DocumentPage page(p.name + QStringLiteral("：数据库设计"));
    page.addParagraphs(QStringLiteral("%1共有 %2 张数据表。下面先列出每张表的字段，再给出建表语句。")
                           .arg(p.name)
                           .arg(p.tables.size()));
    for (const ProjectTable& table : p.tables) {
        page.addHeading(QStringLiteral("%1（%2）").arg(table.name, table.comment));
        QList<QStringList> rows;
        for (const Column& c : columnsOf(table))
            rows.push_back({c.definition.section(QLatin1Char(' '), 0, 0), c.definition.section(QLatin1Char(' '), 1),
                            c.comment});
        page.addTable({QStringLiteral("字段"), QStringLiteral("类型与约束"), QStringLiteral("说明")}, rows);
    }
    page.addHeading(QStringLiteral("建表语句"));
    page.addSource(schemaSql(p));
    page.addKeywords({QStringLiteral("SQL"), QStringLiteral("数据库设计")});
    return page;
}

DocumentPage corePage(const Project& p)
{
    DocumentPage page(p.name + QStringLiteral("：核心代码 ") + p.coreTitle);
    page.addParagraphs(QStringLiteral("本节给出%1中最关键的一段代码，源文件为 %2。")
                           .arg(p.name, p.coreFile));
    page.addSource(p.coreCode.trimmed());
    if (!p.coreOutput.isEmpty()) {
        page.addHeading(QStringLiteral("运行结果"));
        page.addConsole(p.coreOutput);
    }
    page.addHeading(QStringLiteral("代码说明"));
    page.addParagraphs(p.coreNotes);
    return page;
}

DocumentPage buildPage(const Project& p)
{
    DocumentPage page(p.name + QStringLiteral("：编译运行与测试"));
    page.addHeading(QStringLiteral("编译与运行"));
    page.addConsole(p.buildCommands);
    page.addHeading(QStringLiteral("测试用例"));
    const QStringList parts = p.testCases.split(QLatin1Char('|'));
    QList<QStringList> rows;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) rows.push_back({parts[i], parts[i + 1]});
    page.addTable({QStringLiteral("测试场景"), QStringLiteral("预期结果")}, rows);
    page.addParagraphs(QStringLiteral("每次修改代码后都应重新运行全部测试用例，确认原有功能没有被破坏。"));
    return page;
}

DocumentPage techniquePage(const Project& p, const Snippet& s)
{
    DocumentPage page(p.name + QStringLiteral("关键技术：") + s.title);
    page.addParagraphs(QStringLiteral("%1用到了这项技术。下面先讲解技术本身，再说明它在项目中的用法。").arg(p.name));
    addSnippetBody(page, s);
    page.addHeading(QStringLiteral("在本项目中的应用"));
    page.addParagraphs(p.coreNotes.section(QLatin1Char('\n'), 0, 0));
    return page;
}

DocumentPage categoryPage(const QString& category)
{
    DocumentPage page(category + QStringLiteral("：项目一览"));
    page.addParagraphs(QStringLiteral("本类别收录以下项目，每个项目都包含需求分析、数据库设计、核心代码、关键技术和编译测试五部分。"));
    for (const Project& p : projects()) {
        if (p.category != category) continue;
        page.addHeading(p.name);
        page.addParagraphs(p.summary.section(QLatin1Char('\n'), 0, 0));
    }
    return page;
}

DocumentPage projectGuide()
{
    DocumentPage page(QStringLiteral("项目中心导读"));
    page.addParagraphs(QStringLiteral(
        "项目中心收录完整的小型软件项目，按照真实的开发过程组织：先分析需求，再设计数据库，然后实现核心代码，最后编译运行并测试。\n"
        "每个项目的源代码都放在源代码文件夹中，打开项目的任意一篇文档后，点击“打开源代码文件夹”即可找到。"));
    page.addList(projectCategories());
    return page;
}

void addProjectSources(LibraryContent& content, const Project& p, const QString& nycd)
{
    addSourceFolder(content, nycd, p.name,
                    {{QStringLiteral("schema.sql"), schemaSql(p)}, {p.coreFile, p.coreCode.trimmed()}});
}

}  // namespace

void addProjectCentre(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("xmzx"));
    centre.page(QString(), projectGuide(), {.link = QStringLiteral("xmguide")});
    for (const QString& category : projectCategories()) {
        const QString categoryFolder = centre.folder(QString(), category);
        centre.page(categoryFolder, categoryPage(category), {.link = QStringLiteral("xmguide")});
        bool placeholderAdded = false;
        for (const Project& p : projects()) {
            if (p.category != category) continue;
            const QString nycd = QStringLiteral("xm_") + p.key;
            addProjectSources(content, p, nycd);
            const QString folder = centre.folder(categoryFolder, p.name);
            const QString keyword = p.exampleKeyword;
            const DocumentFields fields{.link = p.link,
                                        .jbmc = p.language,
                                        .jbnr = keyword,
                                        .nycd = nycd,
                                        .exampleKeywordLinks = {keyword}};
            centre.page(folder, requirementsPage(p), fields);
            DocumentFields database = fields;
            database.jbnr = QStringLiteral("SQL");
            database.exampleKeywordLinks = {QStringLiteral("SQL"), keyword};
            centre.page(folder, databasePage(p), database);
            centre.page(folder, corePage(p), fields);
            centre.page(folder, buildPage(p), fields);
            const QString techniques = centre.folder(folder, QStringLiteral("关键技术"));
            for (const QString& key : p.snippetKeys) {
                const Snippet& s = snippetByKey(key);
                DocumentFields technique = fields;
                technique.jbmc = s.techKeywords.value(0);
                centre.page(techniques, techniquePage(p, s), technique);
            }
            if (!placeholderAdded) {
                centre.comingSoonFolder(techniques);
                placeholderAdded = true;
            }
        }
    }
    centre.finish();
}

}  // namespace kelvor::authoring
