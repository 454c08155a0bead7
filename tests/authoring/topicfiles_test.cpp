#include "authoring/authoringerror.h"
#include "authoring/topicfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvor::authoring {
namespace {

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

const QByteArray kGoodTopic = R"({
    "language": "C",
    "file": "hello.c",
    "title": "Hello",
    "techKeywords": ["printf", "C语言"],
    "exampleKeyword": "printf",
    "intro": ["first paragraph", "second paragraph"],
    "notes": ["a note"]
})";

const QByteArray kGoodSections = R"([{
    "language": "C", "techFolder": "C 语言", "videoFolder": "C 视频", "techLink": "jsc", "videoLink": "spc",
    "overview": ["overview"],
    "groups": [{"name": "basics", "topics": ["hello"]}]
}])";

// A content folder with one topic "hello"; each case spoils one file.
class ContentFolder {
public:
    ContentFolder()
    {
        writeFile(topic(QStringLiteral("topic.json")), kGoodTopic);
        writeFile(topic(QStringLiteral("hello.c")), "\n\nint main(void) { return 0; }\n\n");
        writeFile(topic(QStringLiteral("output.txt")), "line one\nline two\n");
        writeFile(root() + QStringLiteral("/sections.json"), kGoodSections);
    }
    QString root() const { return m_dir.path(); }
    QString topic(const QString& file) const { return root() + QStringLiteral("/topics/hello/") + file; }

private:
    QTemporaryDir m_dir;
};

TEST(TopicFiles, ReadsATopicAndItsSection)
{
    ContentFolder content;
    const std::vector<Snippet> topics = readTopics(content.root());
    ASSERT_EQ(topics.size(), 1u);
    const Snippet& s = topics.front();
    EXPECT_EQ(s.key, QStringLiteral("hello"));
    EXPECT_EQ(s.intro, QStringLiteral("first paragraph\nsecond paragraph"));
    EXPECT_EQ(s.techKeywords, (QStringList{QStringLiteral("printf"), QStringLiteral("C语言")}));
    EXPECT_EQ(s.code, QStringLiteral("int main(void) { return 0; }"));
    EXPECT_EQ(s.output, QStringLiteral("line one\nline two"));  // the editor's final line break is not output
    EXPECT_TRUE(s.exampleTitle.isEmpty());
    EXPECT_TRUE(s.outputDependsOn.isEmpty());

    const std::vector<LanguageSection> sections = readSections(content.root(), topics);
    ASSERT_EQ(sections.size(), 1u);
    EXPECT_TRUE(sections.front().exampleFolder.isEmpty());
    ASSERT_EQ(sections.front().groups.size(), 1u);
    EXPECT_EQ(sections.front().groups.front().keys, QStringList{QStringLiteral("hello")});
}

TEST(TopicFiles, AProgramWithoutOutputHasNoOutputFile)
{
    ContentFolder content;
    QFile::remove(content.topic(QStringLiteral("output.txt")));
    EXPECT_TRUE(readTopics(content.root()).front().output.isEmpty());
}

struct BadEntry {
    const char* name;
    const char* file;      // under the content folder
    QByteArray content;    // empty: the file is removed
    const char* complaint; // part of the message
};

void PrintTo(const BadEntry& bad, std::ostream* os)
{
    *os << bad.name;
}

class TopicFilesRejects : public ::testing::TestWithParam<BadEntry> {};

// Every complaint names the file, so that the person who edited it finds the slip.
TEST_P(TopicFilesRejects, WithAMessageNamingTheFile)
{
    const BadEntry& bad = GetParam();
    ContentFolder content;
    const QString path = content.root() + QLatin1Char('/') + QString::fromUtf8(bad.file);
    if (bad.content.isEmpty())
        QFile::remove(path);
    else
        writeFile(path, bad.content);
    try {
        readSections(content.root(), readTopics(content.root()));
        FAIL() << "accepted a bad " << bad.file;
    } catch (const AuthoringError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(path.toStdString()), std::string::npos) << message;
        EXPECT_NE(message.find(bad.complaint), std::string::npos) << message;
    }
}

QByteArray topicWith(const QByteArray& from, const QByteArray& to)
{
    QByteArray json = kGoodTopic;
    json.replace(from, to);
    return json;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TopicFilesRejects,
    ::testing::Values(
        BadEntry{"NotJson", "topics/hello/topic.json", "{\"language\": ", "not valid JSON"},
        BadEntry{"NotAnObject", "topics/hello/topic.json", "[1, 2]", "one JSON object"},
        BadEntry{"MissingTitle", "topics/hello/topic.json", topicWith("\"title\": \"Hello\",", ""), "\"title\""},
        BadEntry{"EmptyTitle", "topics/hello/topic.json", topicWith("\"Hello\"", "\"\""), "\"title\" is empty"},
        BadEntry{"MisspeltField", "topics/hello/topic.json", topicWith("\"notes\"", "\"note\""), "unknown field \"note\""},
        BadEntry{"KeywordsAsText", "topics/hello/topic.json", topicWith("[\"printf\", \"C语言\"]", "\"printf\""),
                 "\"techKeywords\" must be a list of texts"},
        BadEntry{"NumberInParagraphs", "topics/hello/topic.json", topicWith("\"a note\"", "7"),
                 "\"notes\" must be a list of texts"},
        BadEntry{"SourceOutsideTheFolder", "topics/hello/topic.json", topicWith("hello.c", "../hello.c"),
                 "must name a source file"},
        BadEntry{"SourceMissing", "topics/hello/topic.json", topicWith("hello.c", "other.c"), "\"other.c\" is missing"},
        BadEntry{"SectionsNotAList", "sections.json", "{}", "a JSON list of sections"},
        BadEntry{"UnknownTopicInAGroup", "sections.json", QByteArray(kGoodSections).replace("[\"hello\"]", "[\"helo\"]"),
                 "unknown topic \"helo\""},
        BadEntry{"ExampleFolderWithoutLink", "sections.json",
                 QByteArray(kGoodSections).replace("\"language\": \"C\",", "\"language\": \"C\", \"exampleFolder\": \"x\","),
                 "both set or both empty"},
        BadEntry{"SectionsMissing", "sections.json", QByteArray(), "cannot be read"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TopicFiles, TheBuiltInContentReads)
{
    const std::vector<Snippet> topics = readTopics(builtInContentRoot());
    const std::vector<LanguageSection> sections = readSections(builtInContentRoot(), topics);
    EXPECT_FALSE(topics.empty());
    EXPECT_FALSE(sections.empty());
}

}  // namespace
}  // namespace kelvor::authoring
