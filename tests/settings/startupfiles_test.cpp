#include "settings/coolsys.h"
#include "settings/initialsettings.h"
#include "settings/optionfile.h"

#include "settingsfiles.h"

#include "library/layout.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

using Bytes = std::optional<QByteArray>;
constexpr auto Unreadable = OptionFileValue::Unreadable;

TEST(OptionFileTest, FirstValueTicksClearsOrLeavesTheBox)
{
    struct Case {
        Bytes content;
        OptionFileValue value;
    };
    const std::vector<Case> cases = {
        {"1\r\n", OptionFileValue::Ticked},
        {"0\r\n", OptionFileValue::Clear},
        {" 1 ", OptionFileValue::Ticked},
        {"1,0\r\n", OptionFileValue::Ticked},
        {"0\r\n1\r\n", OptionFileValue::Clear},
        {"7\r\n", OptionFileValue::Unchanged},
        {"-1\r\n", OptionFileValue::Unchanged},
        {"abc\r\n", OptionFileValue::Unchanged},
        {"", Unreadable},
        {"\r\n", Unreadable},
        {std::nullopt, Unreadable},
    };
    test::SettingsFolder folder;
    for (const Case& k : cases)
        EXPECT_EQ(readOptionFile(folder.put(u"option.htm"_s, k.content)), k.value)
            << (k.content ? k.content->toStdString() : "no file");
}

TEST(OptionFileTest, ClickWritesTheNumberAndCrLf)
{
    test::SettingsFolder folder;
    const QString path = folder.put(u"option.htm"_s, QByteArray("0\r\n"));
    EXPECT_TRUE(writeOptionFile(path, true));
    EXPECT_EQ(folder.contentOf(u"option.htm"_s), "1\r\n");
    EXPECT_EQ(readOptionFile(path), OptionFileValue::Ticked);
    EXPECT_TRUE(writeOptionFile(path, false));
    EXPECT_EQ(folder.contentOf(u"option.htm"_s), "0\r\n");
}

TEST(InitialSettingsTest, OptionFileThenStartupEntry)
{
    struct Case {
        Bytes option, loginsys;
        OptionFileValue note;
        std::optional<int> item;
    };
    const std::vector<Case> cases = {
        {"1\r\n", "1\r\n", OptionFileValue::Ticked, 1},
        {"0\r\n", "7\r\n", OptionFileValue::Clear, 7},
        {"5\r\n", "3", OptionFileValue::Unchanged, 3},
        {"1\r\n", "2\r\n5\r\n", OptionFileValue::Ticked, 2},
        {"1\r\n", "9\r\n", OptionFileValue::Ticked, std::nullopt},
        {"1\r\n", "0\r\n", OptionFileValue::Ticked, std::nullopt},
        {"1\r\n", "abc\r\n", OptionFileValue::Ticked, std::nullopt},
        {"1\r\n", std::nullopt, OptionFileValue::Ticked, std::nullopt},
        {std::nullopt, "1\r\n", Unreadable, std::nullopt},  // a missing option file skips the start-up entry
        {"", "1\r\n", Unreadable, std::nullopt},
    };
    test::SettingsFolder folder;
    const LibraryLayout layout(folder.path(u"root"_s));
    QDir().mkpath(QFileInfo(layout.optionFile()).path());
    for (const Case& k : cases) {
        folder.put(QDir(folder.path(u""_s)).relativeFilePath(layout.optionFile()), k.option);
        folder.put(QDir(folder.path(u""_s)).relativeFilePath(layout.loginsysFile()), k.loginsys);
        const InitialSettings s = readInitialSettings(layout);
        EXPECT_EQ(s.noteOption, k.note);
        EXPECT_EQ(s.startupItem, k.item);
    }
}

TEST(InitialSettingsTest, StartupEntryInTheLibraryCodePage)
{
    test::SettingsFolder folder;
    EXPECT_EQ(readStartupItem(folder.put(u"loginsys.ini"_s, QByteArray("\xd6\xd0\r\n"))), std::nullopt);  // 中
    EXPECT_EQ(readStartupItem(folder.put(u"loginsys.ini"_s, QByteArray("4,\xd6\xd0\r\n"))), 4);
}

TEST(CoolsysTest, NonEmptyTextsEachAfterCrLfAndAFinalCrLf)
{
    struct Case {
        QStringList texts;
        QByteArray content;
    };
    const std::vector<Case> cases = {
        {{}, "\r\n"},
        {{u"abc"_s, u"def"_s}, "\r\nabc\r\ndef\r\n"},
        {{u""_s, u"abc"_s, u""_s}, "\r\nabc\r\n"},
        {{u"中文"_s}, "\r\n\xd6\xd0\xce\xc4\r\n"},  // the library's code page
    };
    test::SettingsFolder folder;
    for (const Case& k : cases) {
        EXPECT_TRUE(writeCoolsys(folder.put(u"coolsys.ini"_s, QByteArray("\r\nold\r\n")), k.texts));
        EXPECT_EQ(folder.contentOf(u"coolsys.ini"_s), k.content);
    }
    EXPECT_EQ(folder.entries(), QStringList{u"coolsys.ini"_s});
}

TEST(SettingsWriteTest, MissingFolderFailsWithoutCreatingIt)
{
    test::SettingsFolder folder;
    EXPECT_FALSE(writeOptionFile(folder.path(u"no/such/option.htm"_s), true));
    EXPECT_FALSE(writeCoolsys(folder.path(u"no/coolsys.ini"_s), {u"abc"_s}));
    EXPECT_TRUE(folder.entries().isEmpty());
}

}  // namespace
