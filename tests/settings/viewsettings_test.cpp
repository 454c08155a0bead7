#include "settings/viewoptions.h"
#include "settings/viewsettings.h"

#include "settingsfiles.h"

#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

constexpr auto Current = SearchRange::CurrentCentre;
constexpr auto All = SearchRange::AllCentres;
constexpr auto Shown = RecordPosition::Shown;
constexpr auto Hidden = RecordPosition::Hidden;
constexpr auto Title = SearchField::Title;
constexpr auto Fields = SearchField::AllFields;

TEST(ViewSettingsFileTest, FileContentSelectsTheOptions)
{
    struct Case {
        QByteArray content;
        ViewSelection selected;
    };
    const std::vector<Case> cases = {
        {"1\r\n0\r\n0\r\n", {All, Shown, Title}},
        {"0\r\n1\r\n1\r\n", {Current, Hidden, Fields}},
        {"", {Current, Hidden, Fields}},  // missing lines select the fallbacks
        {"1\r\n", {All, Hidden, Fields}},
        {"2\r\nx\r\n\r\n", {Current, Hidden, Fields}},
        {"\r\n0\r\n", {Current, Shown, Fields}},
        {" 1 \r\n 0\r\n0 \r\n", {All, Shown, Title}},
        {"1\n0\n0", {All, Shown, Title}},                         // other line ends
        {"1\r0\r0\r", {All, Shown, Title}},
        {"0\r\n0\r\n0\r\n1\r\n1\r\n", {Current, Shown, Title}},  // lines after the third are ignored
    };
    test::SettingsFolder folder;
    for (const Case& k : cases) {
        const ViewSettingsFile file(folder.put(u"rcontrolmt.ini"_s, k.content));
        EXPECT_EQ(file.read(), k.selected) << k.content.toStdString();
    }
}

TEST(ViewSettingsFileTest, FileThatCannotBeReadSelectsNothing)
{
    test::SettingsFolder folder;
    EXPECT_EQ(ViewSettingsFile(folder.path(u"missing.ini"_s)).read(), std::nullopt);
    QDir().mkpath(folder.path(u"folder.ini"_s));
    EXPECT_EQ(ViewSettingsFile(folder.path(u"folder.ini"_s)).read(), std::nullopt);
}

TEST(ViewSettingsFileTest, ClickWritesItsLineAndKeepsTheOthers)
{
    struct Case {
        std::optional<QByteArray> before;  // nothing: no file
        std::function<bool(const ViewSettingsFile&)> click;
        QByteArray after;
    };
    const std::vector<Case> cases = {
        {"1\r\n0\r\n0\r\n", [](auto& f) { return f.store(Hidden); }, "1\r\n1\r\n0\r\n"},
        {std::nullopt, [](auto& f) { return f.store(All); }, "1\r\n\r\n\r\n"},
        {std::nullopt, [](auto& f) { return f.store(Title); }, "\r\n\r\n0\r\n"},
        {"1\r\n1\r\n1\r\n", [](auto& f) { return f.store(Current); }, "0\r\n1\r\n1\r\n"},
        {"1\r\n1\r\n1\r\n", [](auto& f) { return f.store(Shown); }, "1\r\n0\r\n1\r\n"},
        {"0\r\n0\r\n0\r\n", [](auto& f) { return f.store(Fields); }, "0\r\n0\r\n1\r\n"},
        {"0\r\n0\r\n0\r\nextra\r\nmore\r\n", [](auto& f) { return f.store(Title); }, "0\r\n0\r\n0\r\n"},
        {"abc\n\xd6\xd0", [](auto& f) { return f.store(Fields); }, "abc\r\n\xd6\xd0\r\n1\r\n"},  // kept as they were
        {"1\r\n", [](auto& f) { return f.writeLine(1, 42); }, "1\r\n42\r\n\r\n"},
    };
    test::SettingsFolder folder;
    for (const Case& k : cases) {
        const ViewSettingsFile file(folder.put(u"rcontrolmt.ini"_s, k.before));
        EXPECT_TRUE(k.click(file));
        EXPECT_EQ(folder.contentOf(u"rcontrolmt.ini"_s), k.after) << k.after.toStdString();
    }
}

TEST(ViewSettingsFileTest, LineOutsideTheThreeWritesNothing)
{
    test::SettingsFolder folder;
    const ViewSettingsFile file(folder.put(u"rcontrolmt.ini"_s, QByteArray("1\r\n1\r\n1\r\n")));
    EXPECT_FALSE(file.writeLine(3, 0));
    EXPECT_FALSE(file.writeLine(-1, 0));
    EXPECT_EQ(folder.contentOf(u"rcontrolmt.ini"_s), "1\r\n1\r\n1\r\n");
}

TEST(ViewSettingsFileTest, FirstClickCreatesTheConfigurationFolder)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString path = ViewSettingsFile::defaultPath();
    EXPECT_TRUE(path.endsWith(u"/rcontrolmt.ini"_s));
    const QString folder = QFileInfo(path).absolutePath();
    QDir(folder).removeRecursively();
    EXPECT_TRUE(ViewSettingsFile(path).store(All));
    EXPECT_EQ(ViewSettingsFile(path).read(), (ViewSelection{All, Hidden, Fields}));
    QDir(folder).removeRecursively();
}

TEST(ViewOptionsTest, LoadSelectsWhatTheFileHoldsAndSetsTheSettings)
{
    test::SettingsFolder folder;
    ViewOptions options(ViewSettingsFile(folder.put(u"rcontrolmt.ini"_s, QByteArray("1\r\n0\r\n0\r\n"))));
    options.load();
    EXPECT_EQ(options.selection(), (ViewSelection{All, Shown, Title}));
    EXPECT_EQ(options.rangeSetting(), u"a"_s);
    EXPECT_EQ(options.positionSetting(), u"v"_s);
    EXPECT_EQ(options.fieldSetting(), u"m"_s);
}

TEST(ViewOptionsTest, MissingFileKeepsTheStartingSelectionAndEmptySettings)
{
    test::SettingsFolder folder;
    ViewOptions options(ViewSettingsFile(folder.path(u"rcontrolmt.ini"_s)));
    options.load();
    EXPECT_EQ(options.selection(), (ViewSelection{All, Shown, Fields}));
    EXPECT_EQ(options.rangeSetting(), u""_s);
    EXPECT_EQ(options.positionSetting(), u""_s);
    EXPECT_EQ(options.fieldSetting(), u""_s);
    EXPECT_FALSE(folder.contentOf(u"rcontrolmt.ini"_s));
}

TEST(ViewOptionsTest, ChoicesBeforeLoadChangeNothing)
{
    test::SettingsFolder folder;
    ViewOptions options(ViewSettingsFile(folder.path(u"rcontrolmt.ini"_s)));
    options.choose(Current);
    options.choose(Hidden);
    options.choose(Title);
    EXPECT_EQ(options.selection(), ViewSelection{});
    EXPECT_EQ(options.rangeSetting(), u""_s);
    EXPECT_FALSE(folder.contentOf(u"rcontrolmt.ini"_s));
}

TEST(ViewOptionsTest, ChoiceAfterLoadSetsItsSettingAndWritesItsLine)
{
    test::SettingsFolder folder;
    ViewOptions options(ViewSettingsFile(folder.put(u"rcontrolmt.ini"_s, QByteArray("1\r\n0\r\n0\r\n"))));
    options.load();
    options.choose(Hidden);
    EXPECT_EQ(options.positionSetting(), u"n"_s);
    EXPECT_EQ(options.selection().position, Hidden);
    EXPECT_EQ(folder.contentOf(u"rcontrolmt.ini"_s), "1\r\n1\r\n0\r\n");
    options.choose(Current);
    options.choose(Fields);
    EXPECT_EQ(options.rangeSetting(), u"s"_s);
    EXPECT_EQ(options.fieldSetting(), u"a"_s);
    EXPECT_EQ(folder.contentOf(u"rcontrolmt.ini"_s), "0\r\n1\r\n1\r\n");
    // The next start selects what was chosen.
    ViewOptions restarted(ViewSettingsFile(folder.path(u"rcontrolmt.ini"_s)));
    restarted.load();
    EXPECT_EQ(restarted.selection(), options.selection());
}

}  // namespace
