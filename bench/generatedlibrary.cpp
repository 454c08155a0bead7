#include "generatedlibrary.h"

#include "library/centres.h"
#include "library/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <random>

namespace kelvor::bench {

namespace {

// Share of the records per centre, in the order of searchPageTables():
// the technology and examples centres are the big ones.
constexpr double kShares[] = {0.2, 0.2, 0.15, 0.15, 0.15, 0.15};

const QStringList& secondWords()
{
    static const QStringList words = {
        "多线程", "数据库", "网络编程", "入门", "实例", "高级技巧", "性能优化", "源码分析", "设计模式", "异常处理",
        " Tutorial", " Guide", " Basics", " Cookbook", " in Action", " Patterns", " Internals", " Tips", " FAQ",
        " 101", "界面设计", "文件操作", "字符串处理", "内存管理", "调试", "安全", "部署", "测试", "并发", "接口"};
    return words;
}

QString bodyText(std::mt19937& random)
{
    static const QStringList pieces = {"函数", "变量", "class", "return", "循环", "数组", "指针", "select",
                                       "where", "对象", "模块", "import", "线程", "锁", "事件", "窗口"};
    QString text;
    for (int i = 0; i < 40; ++i) text += pieces.at(int(random() % pieces.size())) + QLatin1Char(' ');
    return text;
}

}  // namespace

const QStringList& GeneratedLibrary::leadingWords()
{
    static const QStringList words = {
        "Java",    "JavaScript", "Python",  "Rust",    "Go语言",   "Kotlin",  "Swift",   "Ruby",    "Perl",
        "PHP",     "SQL",        "Linux",   "Windows", "Android",  "iOS",     "React",   "Vue",     "Angular",
        "Node",    "Docker",     "Qt",      "MFC",     "Delphi",   "VB",      "ASP",     "XML",     "JSON",
        "HTML",    "CSS",        "Bash",    "Git",     "Maven",    "Gradle",  "Spring",  "Hibernate", "Oracle",
        "MySQL",   "Redis",      "Nginx",   "Tomcat",  "Unity",    "OpenGL",  "DirectX", "Lua",     "Haskell",
        "Scala",   "Erlang",     "Elixir",  "Fortran", "COBOL",    "汇编",    "编译原理", "操作系统", "数据结构",
        "算法",    "网络",       "安全",    "加密",    "压缩",     "图像处理", "音频",    "视频",    "游戏",
        "嵌入式",  "单片机",     "驱动",    "内核",    "虚拟机",   "容器",    "云计算",  "大数据",  "机器学习",
        "深度学习", "人工智能",  "区块链",  "物联网",  "微服务",   "分布式",  "缓存",    "消息队列", "搜索引擎",
        "爬虫",    "自动化",     "测试",    "运维",    "监控",     "日志",    "配置",    "部署",    "版本控制",
        "界面",    "控件",       "报表",    "打印",    "文件",     "注册表",  "多媒体",  "串口",    "套接字",
        "正则表达式", "字符编码", "国际化", "数据库设计", "存储过程", "触发器", "视图", "索引", "事务"};
    return words;
}

GeneratedLibrary::GeneratedLibrary(qint64 records)
    : m_records(records), m_root(QStringLiteral("/tmp/kelvor-bench-%1").arg(records))
{
    if (!QFileInfo::exists(m_root + QStringLiteral("/complete"))) write();
}

qint64 GeneratedLibrary::recordsIn(const QString& table) const
{
    const qsizetype index = searchPageTables().indexOf(table);
    return index < 0 ? 0 : qint64(double(m_records) * kShares[index]);
}

void GeneratedLibrary::write() const
{
    std::fprintf(stderr, "writing a library of %lld records into %s ...\n", static_cast<long long>(m_records),
                 qPrintable(m_root));
    QDir(m_root).removeRecursively();
    for (const auto& info : allDatabases()) {
        const QString path = layout().databasePath(info.role);
        QDir().mkpath(QFileInfo(path).path());
        auto db = Database::create(path, info.password);
        schema::createTables(*db, info.role);
    }

    auto db = Database::open(layout().databasePath(DatabaseRole::Content), databaseInfo(DatabaseRole::Content).password);
    std::mt19937 random(20240601);
    const QStringList& first = leadingWords();
    const QStringList& second = secondWords();
    for (const QString& table : searchPageTables()) {
        const Centre* centre = centreByTable(table);
        const qint64 count = recordsIn(table);
        Transaction tx(*db);
        CentreRecordWriter writer(*db, table);
        // Codes in code order: a level-1 folder per 10 000 records, documents below it.
        for (qint64 k = 0; k < count; ++k) {
            const QString folder = centre->codePrefix + QString::number(11 + k / 10000);
            if (k % 10000 == 0) writer.add({folder, QStringLiteral("分类 %1").arg(k / 10000), "", "", "", "", "", "", "", "", ""});
            CentreRecord r;
            r.xxbh = folder + QStringLiteral("%1").arg(k % 10000, 4, 10, QLatin1Char('0'));
            r.name = first.at(int(random() % first.size())) + second.at(int(random() % second.size())) +
                     QStringLiteral(" %1").arg(random() % 1000);
            r.link = QStringLiteral("doc%1").arg(k % 97);
            r.eee = QStringLiteral("1");
            r.mark = bodyText(random);
            writer.add(r);
        }
        tx.commit();
    }
    QFile marker(m_root + QStringLiteral("/complete"));
    if (!marker.open(QIODevice::WriteOnly)) std::fprintf(stderr, "cannot mark the library complete\n");
}

}  // namespace kelvor::bench
