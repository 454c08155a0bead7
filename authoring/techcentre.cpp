#include "centreauthor.h"
#include "democentres.h"
#include "snippetpages.h"

namespace kelvor::authoring {

namespace {

// Topics of these languages come with a learning video.
bool hasLearningVideo(const Snippet& s)
{
    const QString language = text(s.language);
    return language == QLatin1String("C") || language == QLatin1String("C++") || language == QLatin1String("Python");
}

DocumentPage sectionOverview(const LanguageSection& section)
{
    DocumentPage page(text(section.techFolder) + QStringLiteral("：学习路线与内容导读"));
    page.addParagraphs(text(section.overview));
    page.addHeading(QStringLiteral("本栏目内容"));
    for (const TopicGroup& group : section.groups) {
        QStringList titles;
        for (const char* key : group.keys) titles << text(snippetByKey(QString::fromLatin1(key)).title);
        page.addParagraphs(text(group.name));
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
    for (const LanguageSection& s : languageSections()) sections << text(s.techFolder);
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
        bool placeholderAdded = false;
        const QString link = text(section.techLink);
        const QString sectionFolder = centre.folder(QString(), text(section.techFolder));
        centre.page(sectionFolder, sectionOverview(section), {.link = link, .jbmc = text(section.language)});
        for (const TopicGroup& group : section.groups) {
            const QString groupFolder = centre.folder(sectionFolder, text(group.name));
            // Groups of four or more keep their last two topics one level deeper.
            const size_t direct = group.keys.size() >= 4 ? group.keys.size() - 2 : group.keys.size();
            QString deeper;
            for (size_t i = 0; i < group.keys.size(); ++i) {
                const Snippet& s = snippetByKey(QString::fromLatin1(group.keys[i]));
                QString parent = groupFolder;
                if (i >= direct) {
                    if (deeper.isEmpty()) deeper = centre.folder(groupFolder, QStringLiteral("进阶阅读"));
                    parent = deeper;
                }
                const QStringList keywords = techKeywordsOf(s);
                DocumentFields fields{.link = link,
                                      .jbmc = keywords.value(0),
                                      .jbnr = text(s.exampleKeyword),
                                      .nycd = text(s.key),
                                      .techKeywordLinks = keywords};
                if (hasLearningVideo(s)) {
                    fields.bb = QStringLiteral("bb_") + text(s.key);
                    addLearningVideo(content, fields.bb, text(s.title));
                }
                addSnippetSourceFolder(content, s);
                centre.page(parent, snippetArticle(s), fields);
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
