#include "centreauthor.h"
#include "democentres.h"
#include "snippetpages.h"
#include "topicwalk.h"

namespace kelvor::authoring {

namespace {

DocumentPage sectionIndex(const LanguageSection& section)
{
    DocumentPage page(section.exampleFolder + QStringLiteral("索引"));
    page.addParagraphs(QStringLiteral("本栏目的每个实例都包含实例说明、完整代码、运行结果和分析，源文件可以在源代码文件夹中找到。"));
    for (const TopicGroup& group : section.groups) {
        QStringList titles;
        for (const QString& key : group.keys) titles << snippetByKey(key).exampleTitle;
        page.addHeading(group.name);
        page.addList(titles);
    }
    return page;
}

DocumentPage usageNotes()
{
    DocumentPage page(QStringLiteral("实例中心使用说明"));
    page.addParagraphs(QStringLiteral(
        "实例中心收录可以直接运行的编程实例。每个实例先给出要解决的问题，再给出完整的程序、运行结果和实现要点。\n"
        "建议先自己动手实现，再对照实例的代码；遇到不熟悉的技术点，可以按实例末尾的关键词到技术中心查找相关文章。"));
    return page;
}

}  // namespace

void addExampleCentre(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("slzx"));
    centre.page(QString(), usageNotes(), {.link = QStringLiteral("slguide")});
    for (const LanguageSection& section : languageSections()) {
        if (section.exampleFolder.isEmpty()) continue;
        const QString& link = section.exampleLink;
        const QString sectionFolder = centre.folder(QString(), section.exampleFolder);
        centre.page(sectionFolder, sectionIndex(section), {.link = link, .jbmc = section.language});
        fileSectionTopics(centre, section, sectionFolder, QStringLiteral("拓展实例"),
                          [&](const QString& parent, const Snippet& s) {
                              addSnippetSourceFolder(content, s);
                              centre.page(parent, snippetExample(s),
                                          {.link = link,
                                           .jbmc = s.techKeywords.value(0),
                                           .jbnr = s.exampleKeyword,
                                           .nycd = s.key,
                                           .exampleKeywordLinks = {s.exampleKeyword}});
                          });
    }
    centre.finish();
}

}  // namespace kelvor::authoring
