// Compiles and runs every C, C++, Java and Python program of the demo
// content and compares what it prints with the output the library shows
// beside it. A topic whose output differs from machine to machine says why in
// its metadata and is skipped.
#include "authoring/topicfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvor::authoring {

// Test names and failures show the topic's key, not its bytes.
void PrintTo(const Snippet& s, std::ostream* os)
{
    *os << s.key.toStdString();
}

namespace {

struct Step {
    QString program;
    QStringList arguments;
};

// How a language is built and run in a folder holding only the source file.
std::vector<Step> stepsFor(const Snippet& s)
{
    const QString file = s.fileName;
    if (s.language == QLatin1String("C"))
        return {{QStringLiteral("gcc"), {QStringLiteral("-o"), QStringLiteral("program"), file, QStringLiteral("-lm")}},
                {QStringLiteral("./program"), {}}};
    if (s.language == QLatin1String("C++"))
        return {{QStringLiteral("g++"),
                 {QStringLiteral("-std=c++20"), QStringLiteral("-pthread"), QStringLiteral("-o"), QStringLiteral("program"), file}},
                {QStringLiteral("./program"), {}}};
    if (s.language == QLatin1String("Java"))
        return {{QStringLiteral("javac"), {QStringLiteral("-encoding"), QStringLiteral("UTF-8"), file}},
                {QStringLiteral("java"), {QStringLiteral("-cp"), QStringLiteral("."), QFileInfo(file).completeBaseName()}}};
    if (s.language == QLatin1String("Python")) return {{QStringLiteral("python3"), {file}}};
    return {};
}

// Trailing blanks of a line do not show on the page.
QString withoutTrailingBlanks(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

std::vector<Snippet> runnableTopics()
{
    std::vector<Snippet> out;
    for (const Snippet& s : readTopics(builtInContentRoot()))
        if (!stepsFor(s).empty()) out.push_back(s);
    return out;
}

class Sample : public ::testing::TestWithParam<Snippet> {};

TEST_P(Sample, PrintsTheOutputShownInTheLibrary)
{
    const Snippet& s = GetParam();
    if (!s.outputDependsOn.isEmpty()) GTEST_SKIP() << "output depends on: " << s.outputDependsOn.toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile source(dir.filePath(s.fileName));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write((s.code + QLatin1Char('\n')).toUtf8());
    source.close();

    QByteArray printed;
    for (const Step& step : stepsFor(s)) {
        if (!step.program.startsWith(QLatin1String("./"))) {
            ASSERT_FALSE(QStandardPaths::findExecutable(step.program).isEmpty())
                << step.program.toStdString() << " is missing; scripts/install-deps.sh installs it";
        }
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setProcessChannelMode(QProcess::SeparateChannels);
        const QString program = step.program.startsWith(QLatin1String("./")) ? dir.filePath(step.program.mid(2)) : step.program;
        process.start(program, step.arguments);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(120000)) << step.program.toStdString() << " did not finish";
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << step.program.toStdString() << " crashed";
        ASSERT_EQ(process.exitCode(), 0) << step.program.toStdString() << " failed:\n"
                                         << process.readAllStandardError().toStdString();
        printed = process.readAllStandardOutput();
    }
    EXPECT_EQ(withoutTrailingBlanks(QString::fromUtf8(printed)).toStdString(), withoutTrailingBlanks(s.output).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Topics, Sample, ::testing::ValuesIn(runnableTopics()),
                         [](const auto& info) { return info.param.key.toStdString(); });

}  // namespace
}  // namespace kelvor::authoring
