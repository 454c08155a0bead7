#include "settings/coolsys.h"
#include "settings/optionfile.h"
#include "settings/viewsettings.h"

#include "settingsfiles.h"

#include <gtest/gtest.h>

#include <functional>
#include "support/fulldisk.h"

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

using test::FullDisk;

TEST(FailedWriteTest, OldSettingsFileSurvivesAWriteThatFails)
{
    struct Case {
        QString name;
        QByteArray old;
        std::function<bool(const QString& path)> write;
    };
    const std::vector<Case> cases = {
        {u"option.htm"_s, "1\r\n", [](const QString& p) { return writeOptionFile(p, false); }},
        {u"coolsys.ini"_s, "\r\nkept\r\n", [](const QString& p) { return writeCoolsys(p, {u"a long new entry"_s}); }},
        {u"rcontrolmt.ini"_s, "1\r\n0\r\n0\r\n",
         [](const QString& p) { return ViewSettingsFile(p).store(RecordPosition::Hidden); }},
    };
    for (const Case& k : cases) {
        test::SettingsFolder folder;
        const QString path = folder.put(k.name, k.old);
        bool written = true;
        {
            FullDisk full;
            written = k.write(path);
        }
        EXPECT_FALSE(written) << k.name.toStdString();
        EXPECT_EQ(folder.contentOf(k.name), k.old) << k.name.toStdString();
        EXPECT_EQ(folder.entries(), QStringList{k.name}) << "temporary file left behind";
    }
}

}  // namespace
