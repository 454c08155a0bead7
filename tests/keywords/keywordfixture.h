#pragma once

#include "scriptedprompter.h"
#include "testlibrary.h"

#include "keywords/keywordeditor.h"

#include <gtest/gtest.h>

namespace kelvor::test {

// A library whose keyword databases the test fills with links.
class KeywordFixture : public ::testing::Test {
protected:
    void link(DatabaseRole role, const QString& keyword, const QString& name, const QString& code = {},
              const QString& title = {}) const
    {
        auto db = library.open(role);
        KeywordLinkWriter(*db).add({keyword, name, title, code});
    }
    void linkTech(const QString& keyword, const QString& name, const QString& code = {}) const
    {
        link(DatabaseRole::TechKeywords, keyword, name, code);
    }
    // "table|link|name|setx|xxbh" for every row of a keyword database, table by table.
    QStringList rows(DatabaseRole role) const
    {
        auto db = library.open(role);
        QStringList out;
        for (const QString& table : keywordTables())
            for (const Row& r : db->query(QStringLiteral("select link, name, setx, xxbh from %1 order by rowid").arg(table)))
                out << QStringList{table, r.text(0), r.text(1), r.text(2), r.text(3)}.join(QLatin1Char('|'));
        return out;
    }
    QString contentValue(const QString& sql, const QVariantList& params = {}) const
    {
        return library.open(DatabaseRole::Content)->scalar(sql, params).toString();
    }

    TestLibrary library;
    ScriptedPrompter prompter;
    SharedConnection connection{library.layout()};
    keywords::KeywordIndex index{library.layout(), prompter};
    keywords::KeywordEditor editor{index, connection};
};

}  // namespace kelvor::test
