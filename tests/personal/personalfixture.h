#pragma once

#include "scriptedprompter.h"
#include "testlibrary.h"

#include "library/sharedconnection.h"

#include <gtest/gtest.h>

namespace kelvor::test {

inline CentreRecord record(const QString& code, const QString& name, const QString& bz = {})
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    r.link = QStringLiteral("docs");
    r.eee = QStringLiteral("1");
    r.bz = bz;
    return r;
}

// A small library with a few records in three centres.
class PersonalFixture : public ::testing::Test {
protected:
    PersonalFixture()
    {
        library.addRecords(QStringLiteral("jszx"), {record(QStringLiteral("101210110001"), QStringLiteral("指针入门")),
                                                    record(QStringLiteral("101210110002"), QStringLiteral("引用")),
                                                    record(QStringLiteral("101210110003"), QStringLiteral("模板")),
                                                    record(QStringLiteral("101210110004"), QStringLiteral("异常")),
                                                    record(QStringLiteral("101210110005"), QStringLiteral("Lambda"))});
        library.addRecords(QStringLiteral("slzx"), {record(QStringLiteral("101221110001"), QStringLiteral("线程池实例"))});
        library.addRecords(QStringLiteral("jmzx"), {record(QStringLiteral("220121110001"), QStringLiteral("登录界面"))});
    }

    // Reads one text value straight from a library database.
    QString valueOf(DatabaseRole role, const QString& sql, const QVariantList& params = {}) const
    {
        auto db = library.open(role);
        return db->scalar(sql, params).toString();
    }

    TestLibrary library;
    SharedConnection connection{library.layout()};
    ScriptedPrompter prompter;
};

}  // namespace kelvor::test
