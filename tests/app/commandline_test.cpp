#include "app/commandline.h"

#include <QDir>

#include <gtest/gtest.h>

#include <ostream>

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
    const CommandLineResult result = parseCommandLine(QStringList{"kelvor"} + c.arguments, c.programFolder);
    ASSERT_EQ(result.status, c.status) << result.message.toStdString();
    if (c.status == Status::Run) {
        EXPECT_EQ(result.options.dataRoot, c.dataRoot);
        EXPECT_EQ(result.options.screenshotPath, c.screenshot);
    }
    EXPECT_TRUE(result.message.contains(c.messageContains)) << result.message.toStdString();
}

const QString kRelativeRoot = QDir::cleanPath(QDir::currentPath() + "/lib");

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"ProgramFolder", {}, "/opt/kelvor", Status::Run, "/opt/kelvor", "", ""},
        CommandLineCase{"ProgramFolderAtRoot", {}, "/", Status::Run, "", "", ""},
        CommandLineCase{"DataRootOverrides", {"--data-root", "/srv/lib"}, "/opt/kelvor", Status::Run, "/srv/lib", "", ""},
        CommandLineCase{"DataRootWithEqualsAndSlash", {"--data-root=/srv/lib/"}, "/opt/kelvor", Status::Run, "/srv/lib", "", ""},
        CommandLineCase{"DataRootAtRoot", {"--data-root", "/"}, "/opt/kelvor", Status::Run, "", "", ""},
        CommandLineCase{"RelativeDataRoot", {"--data-root", "lib"}, "/opt/kelvor", Status::Run, kRelativeRoot, "", ""},
        CommandLineCase{"Screenshot", {"--screenshot", "/tmp/x.png", "--data-root", "/srv/lib"}, "/opt/kelvor",
                        Status::Run, "/srv/lib", "/tmp/x.png", ""},
        CommandLineCase{"UnknownOption", {"--bogus"}, "/opt/kelvor", Status::Error, "", "", "bogus"},
        CommandLineCase{"PositionalArgument", {"extra"}, "/opt/kelvor", Status::Error, "", "", "extra"},
        CommandLineCase{"DataRootWithoutValue", {"--data-root"}, "/opt/kelvor", Status::Error, "", "", "data-root"},
        CommandLineCase{"EmptyDataRoot", {"--data-root", ""}, "/opt/kelvor", Status::Error, "", "", "data-root"},
        CommandLineCase{"EmptyScreenshot", {"--screenshot", ""}, "/opt/kelvor", Status::Error, "", "", "screenshot"},
        CommandLineCase{"Help", {"--help"}, "/opt/kelvor", Status::ShowHelp, "", "", "--data-root"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
