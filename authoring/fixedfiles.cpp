#include "fixedfiles.h"

#include "authoringerror.h"
#include "democentres.h"
#include "documentpage.h"
#include "pictures.h"

#include "library/centres.h"
#include "library/layout.h"

#include <algorithm>

namespace kelvor::authoring {

namespace {

// Paths relative to the data root: the layout of an empty root gives "/kelvor/...".
QString relative(const QString& path)
{
    return path.mid(1);
}

LibraryLayout layout()
{
    return LibraryLayout(QString());
}

QString centreDescription(const QString& table)
{
    if (table == QLatin1String("jszx")) return QStringLiteral("按语言和工具分栏的技术文章，每篇都有可运行的代码");
    if (table == QLatin1String("spzx")) return QStringLiteral("与技术文章配套的视频课程");
    if (table == QLatin1String("slzx")) return QStringLiteral("带有完整代码和运行结果的编程实例");
    if (table == QLatin1String("xmzx")) return QStringLiteral("从需求分析到测试的完整小型项目");
    if (table == QLatin1String("fazx")) return QStringLiteral("典型问题的多种解决方案与选型建议");
    if (table == QLatin1String("jmzx")) return QStringLiteral("登录、主窗口、对话框和报表的界面设计图");
    if (table == QLatin1String("study")) return QStringLiteral("零基础入门课程");
    if (table == QLatin1String("works")) return QStringLiteral("配套练习题与参考答案");
    return QString();
}

}  // namespace

void addStandardFiles(LibraryContent& content)
{
    content.addFile({relative(layout().placeholderPicture()),
                     jpegBytes(drawPlaceholder(QSize(800, 600), QStringLiteral("澄溪宸笺"),
                                               QStringLiteral("请在左侧目录中选择要阅读的文档"))),
                     false});
    content.addFile({relative(layout().placeholderPictureWide()),
                     jpegBytes(drawPlaceholder(QSize(1000, 600), QStringLiteral("澄溪宸笺 程序员开发资料库"),
                                               QStringLiteral("技术 · 实例 · 项目 · 方案 · 界面 · 视频"))),
                     false});

    // The report is pasted where the placeholder text stands (the banner replaces it).
    const QString report = QStringLiteral(
        "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\n"
        "<title>查询报告</title>\n"
        "<style type=\"text/css\">\nbody { font-size: 14px; line-height: 1.8; margin: 16px 24px; }\n</style>\n"
        "</head>\n<body>\n<p>澄溪科技</p>\n</body>\n</html>\n");
    content.addFile({relative(layout().reportPage()), gbkBytes(report, QStringLiteral("report page")), false});
    // Rewritten for every opened document; empty until then.
    content.addFile({relative(layout().sourcePage()), QByteArray(), false});
    // The option file: the notes panel's check box starts clear.
    content.addFile({relative(layout().optionFile()), QByteArrayLiteral("0\r\n"), false});
    // No start-up item (9 is none of 1-7): the window opens on the course 从零开始.
    content.addFile({relative(layout().loginsysFile()), QByteArrayLiteral("9\r\n"), false});
    // The reading bookmark file, holding no bookmark yet (a first line longer than two
    // characters): the toolbar's "书签" writes into it and does nothing without it.
    content.addFile({relative(layout().bookmarkFile()), QByteArrayLiteral("none\r\n\r\n\r\n"), false});
}

std::map<QString, qint64> documentCounts(const LibraryContent& content)
{
    std::map<QString, qint64> counts;
    for (const auto& [table, rows] : content.centreTables)
        counts[table] = std::count_if(rows.begin(), rows.end(), [](const CentreRecord& r) { return !r.eee.isEmpty(); });
    return counts;
}

void addCentreMainPage(LibraryContent& content, const std::map<QString, qint64>& counts)
{
    DocumentPage page(QStringLiteral("澄溪宸笺 程序员开发资料库"));
    page.addParagraphs(QStringLiteral(
        "欢迎使用澄溪宸笺。这里汇集了技术文章、编程实例、完整项目、解决方案、界面设计和视频课程，所有内容都可以离线阅读和搜索。\n"
        "在上方的导航栏选择一个中心，左侧会显示它的目录；点击目录中的文档即可阅读。在搜索框中输入关键字，可以按标题查找所有中心的内容。"));
    QList<QStringList> rows;
    for (const Centre& c : centres()) {
        if (c.codePrefix.isEmpty()) continue;
        const auto it = counts.find(c.table);
        rows.push_back({c.caption, centreDescription(c.table), QString::number(it == counts.end() ? 0 : it->second)});
    }
    page.addTable({QStringLiteral("中心"), QStringLiteral("内容"), QStringLiteral("文档数")}, rows);
    page.addHeading(QStringLiteral("使用技巧"));
    page.addList({QStringLiteral("文档中的代码可以单独显示并复制：点击右侧的“显示文档中的源代码”。"),
                  QStringLiteral("搜索到的文字会在打开的文档中高亮显示。"),
                  QStringLiteral("常用的文档可以加入收藏夹，学习心得可以随文档一起保存。"),
                  QStringLiteral("勾选“自动滚动阅读”后，文档会自动向下滚动。")});
    content.addFile({relative(layout().centreMainPage()), gbkBytes(page.html(), QStringLiteral("centre main page")),
                     false});
}

void addFixedFiles(LibraryContent& content)
{
    addStandardFiles(content);
    addCentreMainPage(content, documentCounts(content));
}

}  // namespace kelvor::authoring
