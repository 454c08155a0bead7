#include "centreauthor.h"
#include "democentres.h"
#include "snippetpages.h"

namespace kelvor::authoring {

namespace {

DocumentPage sectionIndex(const LanguageSection& section)
{
    DocumentPage page(text(section.exampleFolder) + QStringLiteral("索引"));
    page.addParagraphs(QStringLiteral("本栏目的每个实例都包含实例说明、完整代码、运行结果和分析，源文件可以在源代码文件夹中找到。"));
    for (const TopicGroup& group : section.groups) {
        QStringList titles;
        for (const char* key : group.keys) titles << text(snippetByKey(QString::fromLatin1(key)).exampleTitle);
        page.addHeading(text(group.name));
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
        bool placeholderAdded = false;
        if (text(section.exampleFolder).isEmpty()) continue;
        const QString link = text(section.exampleLink);
        const QString sectionFolder = centre.folder(QString(), text(section.exampleFolder));
        centre.page(sectionFolder, sectionIndex(section), {.link = link, .jbmc = text(section.language)});
        for (const TopicGroup& group : section.groups) {
            const QString groupFolder = centre.folder(sectionFolder, text(group.name));
            const size_t direct = group.keys.size() >= 4 ? group.keys.size() - 2 : group.keys.size();
            QString deeper;
            for (size_t i = 0; i < group.keys.size(); ++i) {
                const Snippet& s = snippetByKey(QString::fromLatin1(group.keys[i]));
                QString parent = groupFolder;
                if (i >= direct) {
                    if (deeper.isEmpty()) deeper = centre.folder(groupFolder, QStringLiteral("拓展实例"));
                    parent = deeper;
                }
                addSnippetSourceFolder(content, s);
                centre.page(parent, snippetExample(s),
                            {.link = link,
                             .jbmc = techKeywordsOf(s).value(0),
                             .jbnr = text(s.exampleKeyword),
                             .nycd = text(s.key),
                             .exampleKeywordLinks = {text(s.exampleKeyword)}});
            }
            if (!deeper.isEmpty() && !placeholderAdded) {
                centre.comingSoonFolder(deeper);
                placeholderAdded = true;
            }
        }
    }
    centre.finish();
}

}  // namespace kelvor::authoring
