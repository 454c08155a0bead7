#include "snippetpages.h"

#include "authoringerror.h"

#include "library/layout.h"

namespace kelvor::authoring {

namespace {

QString relativeToRoot(const std::optional<QString>& path, const QString& name)
{
    if (!path || !path->startsWith(QLatin1Char('/')))
        throw AuthoringError(QStringLiteral("\"%1\" is not a plain folder name").arg(name));
    return path->mid(1);
}

QString firstParagraph(const QString& paragraphs)
{
    return paragraphs.section(QLatin1Char('\n'), 0, 0);
}

QString shellQuoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace

void addSnippetBody(DocumentPage& page, const Snippet& s)
{
    page.addParagraphs(s.intro);
    page.addHeading(QStringLiteral("示例代码"));
    page.addSource(s.code);
    if (!s.output.isEmpty()) {
        page.addHeading(QStringLiteral("运行结果"));
        page.addConsole(s.output);
    }
    page.addHeading(QStringLiteral("要点与注意事项"));
    page.addParagraphs(s.notes);
}

DocumentPage snippetArticle(const Snippet& s)
{
    DocumentPage page(s.title);
    addSnippetBody(page, s);
    page.addKeywords(s.techKeywords);
    return page;
}

DocumentPage snippetExample(const Snippet& s)
{
    DocumentPage page(s.exampleTitle);
    page.addHeading(QStringLiteral("实例说明"));
    page.addParagraphs(s.task);
    page.addHeading(QStringLiteral("知识要点"));
    page.addParagraphs(firstParagraph(s.intro));
    page.addHeading(QStringLiteral("完整代码"));
    page.addParagraphs(QStringLiteral("源文件：%1（%2）").arg(s.fileName, s.language));
    page.addSource(s.code);
    if (!s.output.isEmpty()) {
        page.addHeading(QStringLiteral("运行结果"));
        page.addConsole(s.output);
    }
    page.addHeading(QStringLiteral("分析与扩展"));
    page.addParagraphs(s.notes);
    page.addKeywords(QStringList{s.exampleKeyword} + s.techKeywords);
    return page;
}

void addSourceFolder(LibraryContent& content, const QString& nycd, const QString& title,
                     const QList<SourceFile>& files)
{
    const QString folder = relativeToRoot(LibraryLayout(QString()).sourceFolderPath(nycd), nycd);
    QStringList readme = {title, QString(), QStringLiteral("本文件夹中的源文件采用 UTF-8 编码。")};
    for (const SourceFile& f : files) {
        readme << QStringLiteral("  %1").arg(f.name);
        content.addFile({folder + QLatin1Char('/') + f.name, f.text.toUtf8() + "\n", false});
    }
    content.addFile({folder + QStringLiteral("/README.txt"), (readme.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(),
                     false});
}

void addSnippetSourceFolder(LibraryContent& content, const Snippet& s)
{
    addSourceFolder(content, s.key, s.title, {{s.fileName, s.code}});
}

QByteArray playerProgram(const QString& title)
{
    const QString script = QStringLiteral(
                               "#!/bin/sh\n"
                               "# 演示库的视频播放程序：演示库不附带真正的视频，这个脚本只报出它代表的课程。\n"
                               "echo %1\n")
                               .arg(shellQuoted(QStringLiteral("正在播放：") + title));
    return script.toUtf8();
}

void addLearningVideo(LibraryContent& content, const QString& bb, const QString& title)
{
    const QString path = relativeToRoot(LibraryLayout(QString()).videoPlayerPath(bb), bb);
    content.addFile({path, playerProgram(title), true});
}

}  // namespace kelvor::authoring
