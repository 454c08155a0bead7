#include "authoring/commandline.h"

#include <gtest/gtest.h>

namespace kelvor::authoring {
namespace {

QStringList split(const char* args)
{
    return QString::fromUtf8(args).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(CommandLine, RejectsBadArgumentsWithAReason)
{
    const char* bad[] = {
        "",
        "build /tmp/x",
        "demo",
        "demo /tmp/a /tmp/b",
        "demo /tmp/a --records",
        "demo /tmp/a --records 0",
        "demo /tmp/a --records -5",
        "demo /tmp/a --records 12abc",
        "demo /tmp/a --records=",
        "demo /tmp/a --records 5 --records 6",
        "demo /tmp/a --verbose",
        "demo --records 100",
        "demo /tmp/a --records 99999999999999",
    };
    for (const char* args : bad) {
        const ParsedCommand parsed = parseCommandLine(split(args));
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << args;
        EXPECT_FALSE(std::get<UsageError>(parsed).message.isEmpty()) << args;
    }
}

TEST(CommandLine, ReadsTheDemoCommand)
{
    struct Case {
        const char* args;
        const char* root;
        qint64 records;  // 0: the demo library
    };
    const Case cases[] = {
        {"demo /tmp/lib", "/tmp/lib", 0},
        {"demo /tmp/lib --records 1000000", "/tmp/lib", 1000000},
        {"demo --records=5000 /tmp/lib", "/tmp/lib", 5000},
        {"demo relative/dir", "relative/dir", 0},
    };
    for (const Case& c : cases) {
        const ParsedCommand parsed = parseCommandLine(split(c.args));
        ASSERT_TRUE(std::holds_alternative<DemoCommand>(parsed)) << c.args;
        const auto& demo = std::get<DemoCommand>(parsed);
        EXPECT_EQ(demo.dataRoot, QString::fromUtf8(c.root));
        EXPECT_EQ(demo.records.value_or(0), c.records) << c.args;
    }
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parseCommandLine(split("--help"))));
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parseCommandLine(split("demo -h"))));
}

TEST(CommandLine, BadArgumentsPrintUsageAndFail)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(runCommandLine(split("demo"), outStream, errStream), ExitUsage);
    EXPECT_TRUE(err.contains(QStringLiteral("missing DIR")));
    EXPECT_TRUE(err.contains(QStringLiteral("Usage: kelvor-library demo DIR [--records N]")));
    EXPECT_TRUE(out.isEmpty());

    err.clear();
    EXPECT_EQ(runCommandLine(split("--help"), outStream, errStream), ExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral("Usage:")));
    EXPECT_TRUE(err.isEmpty());
}

}  // namespace
}  // namespace kelvor::authoring
