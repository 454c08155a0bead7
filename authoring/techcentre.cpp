#include "centreauthor.h"
#include "democentres.h"
#include "snippetpages.h"
#include "topicwalk.h"

namespace kelvor::authoring {

namespace {

// Topics of these languages come with a learning video.
bool hasLearningVideo(const Snippet& s)
{
    const QString& language = s.language;
    return language == QLatin1String("C") || language == QLatin1String("C++") || language == QLatin1String("Python");
}

DocumentPage sectionOverview(const LanguageSection& section)
{
    DocumentPage page(section.techFolder + QStringLiteral("：学习路线与内容导读"));
    page.addParagraphs(section.overview);
    page.addHeading(QStringLiteral("本栏目内容"));
    for (const TopicGroup& group : section.groups) {
        QStringList titles;
        for (const QString& key : group.keys) titles << snippetByKey(key).title;
        page.addParagraphs(group.name);
        page.addList(titles);
    }
    return page;
}

DocumentPage readingGuide()
{
    DocumentPage page(QStringLiteral("技术中心阅读指南"));
    page.addParagraphs(QStringLiteral(
        "技术中心按编程语言和开发工具分栏，每篇文章讲解一个具体的技术点，并附有可以直接编译运行的完整代码和运行结果。\n"
        "文章中的代码段可以单独显示和复制：打开文章后，点击右侧的“显示文档中的源代码”即可。带有源代码文件夹的文章，还可以直接打开存放源文件的文件夹。"));
    page.addHeading(QStringLiteral("栏目一览"));
    QStringList sections;
    for (const LanguageSection& s : languageSections()) sections << s.techFolder;
    page.addList(sections);
    page.addHeading(QStringLiteral("阅读建议"));
    page.addParagraphs(QStringLiteral(
        "初学者可以先到“从零开始”学习基础课程，再回到技术中心按栏目顺序阅读；有经验的读者可以用标题搜索直接找到需要的技术点。"));
    return page;
}

}  // namespace

void addTechnologyCentre(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("jszx"));
    centre.page(QString(), readingGuide(), {.link = QStringLiteral("jsguide")});
    for (const LanguageSection& section : languageSections()) {
        const QString& link = section.techLink;
        const QString sectionFolder = centre.folder(QString(), section.techFolder);
        centre.page(sectionFolder, sectionOverview(section), {.link = link, .jbmc = section.language});
        fileSectionTopics(centre, section, sectionFolder, QStringLiteral("进阶阅读"),
                          [&](const QString& parent, const Snippet& s) {
                              DocumentFields fields{.link = link,
                                                    .jbmc = s.techKeywords.value(0),
                                                    .jbnr = s.exampleKeyword,
                                                    .nycd = s.key,
                                                    .techKeywordLinks = s.techKeywords};
                              if (hasLearningVideo(s)) {
                                  fields.bb = QStringLiteral("bb_") + s.key;
                                  addLearningVideo(content, fields.bb, s.title);
                              }
                              addSnippetSourceFolder(content, s);
                              centre.page(parent, snippetArticle(s), fields);
                          });
    }
    centre.finish();
}

}  // namespace kelvor::authoring
