#include "authoringerror.h"
#include "democentres.h"

#include <algorithm>

namespace kelvor::authoring {

namespace {

CentreRecord& recordNamed(LibraryContent& content, const QString& table, const QString& name)
{
    auto& rows = content.centreTables[table];
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const CentreRecord& r) { return r.name == name; });
    if (it == rows.end()) throw AuthoringError(QStringLiteral("%1 has no record named %2").arg(table, name));
    return *it;
}

// The note format of `bz`: note text, the record's code, the code's length in two digits.
QString noteField(const QString& note, const QString& code)
{
    return note + code + QStringLiteral("%1").arg(code.size(), 2, 10, QLatin1Char('0'));
}

}  // namespace

void addPersonalData(LibraryContent& content)
{
    struct Note {
        const char* table;
        const char* title;
        const char* text;
    };
    const Note notes[] = {
        {"jszx", "C++ 智能指针 unique_ptr 的用法",
         "make_unique 比直接 new 更安全；容器里放 unique_ptr 时只能 move，不能复制。基类一定要写虚析构函数。"},
        {"jszx", "SQL 多表连接：INNER JOIN 与 LEFT JOIN 的区别",
         "统计数量时用 LEFT JOIN 加 COUNT(右表的列)，写成 COUNT(*) 会把没有匹配的行也算成 1。"},
        {"slzx", "用装饰器统计函数执行时间并自动重试", "带参数的装饰器是三层函数，记得用 functools.wraps 保留原函数的名字。"},
        {"study", "第 10 课 指针入门", "指针就是地址。swap 必须传地址才能改到调用者的变量，这一点终于想明白了！"},
        {"xmzx", "图书管理系统：数据库设计", "returned_at 为 NULL 表示未还，查询未还的图书要用 IS NULL，不能写 = NULL。"},
    };
    for (const Note& n : notes) {
        CentreRecord& r = recordNamed(content, QString::fromUtf8(n.table), QString::fromUtf8(n.title));
        r.bz = noteField(QString::fromUtf8(n.text), r.xxbh);
    }

    struct Pick {
        const char* cellname;
        const char* table;
        const char* title;
    };
    const Pick favourites[] = {
        {"智能指针笔记", "jszx", "C++ 智能指针 unique_ptr 的用法"},
        {"连接查询", "jszx", "SQL 多表连接：INNER JOIN 与 LEFT JOIN 的区别"},
        {"线程池实例", "slzx", "用线程池并发下载多个文件并汇总结果"},
        {"图书管理系统需求", "xmzx", "图书管理系统：需求分析"},
        {"登录界面参考", "jmzx", "图书管理系统登录界面（商务蓝）"},
    };
    for (const Pick& f : favourites) {
        const CentreRecord& r = recordNamed(content, QString::fromUtf8(f.table), QString::fromUtf8(f.title));
        content.favourites.push_back({QString::fromUtf8(f.cellname), r.name, r.xxbh});
    }

    content.searchHistory = {
        {QStringLiteral("SQL"), QStringLiteral("2024-05-20"), QStringLiteral("10:20:31"), 31},
        {QStringLiteral("unique_ptr"), QStringLiteral("2024-05-20"), QStringLiteral("21:35:08"), 15},
        {QStringLiteral("指针"), QStringLiteral("2024-05-19"), QStringLiteral("09:12:44"), 23},
        {QStringLiteral("HashMap"), QStringLiteral("2024-05-18"), QStringLiteral("14:03:10"), 7},
        {QStringLiteral("多线程"), QStringLiteral("2024-05-17"), QStringLiteral("16:30:55"), 12},
        {QStringLiteral("装饰器"), QStringLiteral("2024-05-16"), QStringLiteral("20:48:02"), 4},
        {QStringLiteral("Promise"), QStringLiteral("2024-05-15"), QStringLiteral("22:14:37"), 3},
        {QStringLiteral("正则表达式"), QStringLiteral("2024-05-14"), QStringLiteral("13:41:27"), 5},
        {QStringLiteral("Python 列表推导式与字典推导式用法"), QStringLiteral("2024-05-13"), QStringLiteral("18:02:16"), 2},
        {QStringLiteral("链表"), QStringLiteral("2024-05-12"), QStringLiteral("11:05:19"), 6},
        {QStringLiteral("登录界面"), QStringLiteral("2024-05-11"), QStringLiteral("15:09:50"), 9},
        {QStringLiteral("CMake"), QStringLiteral("2024-05-10"), QStringLiteral("08:56:40"), 2},
        {QStringLiteral("Git 分支"), QStringLiteral("2024-05-09"), QStringLiteral("19:22:03"), 1},
    };
}

}  // namespace kelvor::authoring
