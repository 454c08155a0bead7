#pragma once

#include "support/testlibrary.h"

#include "library/schema.h"

namespace kelvor::test {

// A few records in every centre, both learning courses and the two
// catalogue-only tables, enough for each page of the navigation bar.
inline void addWindowRecords(const TestLibrary& library)
{
    auto doc = [](const char* code, const char* name, const char* link = "docs01") {
        CentreRecord r;
        r.xxbh = QString::fromLatin1(code);
        r.name = QString::fromUtf8(name);
        r.link = QString::fromLatin1(link);
        r.eee = QStringLiteral("1");
        return r;
    };
    auto folder = [](const char* code, const char* name) {
        CentreRecord r;
        r.xxbh = QString::fromLatin1(code);
        r.name = QString::fromUtf8(name);
        return r;
    };
    library.addRecords(QStringLiteral("jszx"), {folder("10121035", "Java 基础"), doc("101210350001", "变量与类型"),
                                doc("101210350002", "字符串处理"), folder("10121036", "数据库"),
                                doc("101210360001", "SQL 查询入门")});
    library.addRecords(QStringLiteral("spzx"), {folder("10121601", "视频教程"), doc("101216010001", "Java 视频第一讲")});
    library.addRecords(QStringLiteral("slzx"), {folder("10122101", "界面实例"), doc("101221010001", "按钮与菜单"),
                                // The same title as in the technology centre, under another code.
                                doc("101221010002", "字符串处理")});
    library.addRecords(QStringLiteral("xmzx"), {folder("10123101", "管理系统"), doc("101231010001", "图书管理系统")});
    library.addRecords(QStringLiteral("fazx"), {folder("10125101", "网络方案"), doc("101251010001", "局域网聊天")});
    library.addRecords(QStringLiteral("jmzx"), {folder("22012101", "窗口界面"), doc("220121010001", "登录窗口")});
    library.addRecords(QStringLiteral("study"), {folder("20510111", "从零开始"), doc("205101110001", "第一课 认识程序"),
                                 folder("205101110002", "第二课"), doc("2051011100020001", "变量")});
    library.addRecords(QStringLiteral("works"), {folder("20610111", "入门训练"), doc("206101110001", "练习一")});

    auto db = library.open(DatabaseRole::Content);
    for (const char* table : {"ymzx", "gjzx"}) {
        db->execute(QStringLiteral("insert into %1 (xxbh, name, link) values (?, ?, ?)").arg(QLatin1String(table)),
                    {QStringLiteral("30000001"), QStringLiteral("源码与工具"), QString()});
        db->execute(QStringLiteral("insert into %1 (xxbh, name, link) values (?, ?, ?)").arg(QLatin1String(table)),
                    {QStringLiteral("300000010001"), QStringLiteral("常用工具"), QStringLiteral("tools01")});
    }
}

}  // namespace kelvor::test
