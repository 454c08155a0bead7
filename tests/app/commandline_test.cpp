#include "app/commandline.h"

#include <QDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

using Status = CommandLineResult::Status;

struct CommandLineCase {
    const char* name;
    QStringList arguments;  // after the program name
    QString programFolder;
    Status status;
    QString dataRoot;
    QString screenshot;
    QString messageContains;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, Parses)
{
    const CommandLineCase& c = GetParam();
    const CommandLineResult result = parseCommandLine(QStringList{u"kelvor"_s} + c.arguments, c.programFolder);
    ASSERT_EQ(result.status, c.status) << result.message.toStdString();
    if (c.status == Status::Run) {
        EXPECT_EQ(result.options.dataRoot, c.dataRoot);
        EXPECT_EQ(result.options.screenshotPath, c.screenshot);
    }
    EXPECT_TRUE(result.message.contains(c.messageContains)) << result.message.toStdString();
}

const QString kRelativeRoot = QDir::cleanPath(QDir::currentPath() + u"/lib"_s);

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"ProgramFolder", {}, u"/opt/kelvor"_s, Status::Run, u"/opt/kelvor"_s, u""_s, u""_s},
        CommandLineCase{"ProgramFolderAtRoot", {}, u"/"_s, Status::Run, u""_s, u""_s, u""_s},
        CommandLineCase{"DataRootOverrides", {u"--data-root"_s, u"/srv/lib"_s}, u"/opt/kelvor"_s, Status::Run, u"/srv/lib"_s, u""_s, u""_s},
        CommandLineCase{"DataRootWithEqualsAndSlash", {u"--data-root=/srv/lib/"_s}, u"/opt/kelvor"_s, Status::Run, u"/srv/lib"_s, u""_s, u""_s},
        CommandLineCase{"DataRootAtRoot", {u"--data-root"_s, u"/"_s}, u"/opt/kelvor"_s, Status::Run, u""_s, u""_s, u""_s},
        CommandLineCase{"RelativeDataRoot", {u"--data-root"_s, u"lib"_s}, u"/opt/kelvor"_s, Status::Run, kRelativeRoot, u""_s, u""_s},
        CommandLineCase{"Screenshot", {u"--screenshot"_s, u"/tmp/x.png"_s, u"--data-root"_s, u"/srv/lib"_s}, u"/opt/kelvor"_s,
                        Status::Run, u"/srv/lib"_s, u"/tmp/x.png"_s, u""_s},
        CommandLineCase{"UnknownOption", {u"--bogus"_s}, u"/opt/kelvor"_s, Status::Error, u""_s, u""_s, u"bogus"_s},
        CommandLineCase{"PositionalArgument", {u"extra"_s}, u"/opt/kelvor"_s, Status::Error, u""_s, u""_s, u"extra"_s},
        CommandLineCase{"DataRootWithoutValue", {u"--data-root"_s}, u"/opt/kelvor"_s, Status::Error, u""_s, u""_s, u"data-root"_s},
        CommandLineCase{"EmptyDataRoot", {u"--data-root"_s, u""_s}, u"/opt/kelvor"_s, Status::Error, u""_s, u""_s, u"data-root"_s},
        CommandLineCase{"EmptyScreenshot", {u"--screenshot"_s, u""_s}, u"/opt/kelvor"_s, Status::Error, u""_s, u""_s, u"screenshot"_s},
        CommandLineCase{"Help", {u"--help"_s}, u"/opt/kelvor"_s, Status::ShowHelp, u""_s, u""_s, u"--data-root"_s}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
