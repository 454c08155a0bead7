#include "authoring/authoringerror.h"
#include "authoring/lessons.h"
#include "authoring/projects.h"
#include "authoring/solutions.h"
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

const QByteArray kProject = R"({
    "name": "Shop", "category": "apps", "language": "C", "exampleKeyword": "shop", "link": "xmshop",
    "summary": ["first", "second"],
    "features": ["sell", "buy"],
    "tables": [{"name": "items", "comment": "goods", "columns": ["id INTEGER|number", "name TEXT|name"]}],
    "coreTitle": "core", "coreFile": "shop.c", "output": "output.txt",
    "coreNotes": ["note"],
    "techniques": ["c_struct"],
    "buildCommands": ["gcc shop.c", "./a.out"],
    "testCases": [["empty cart", "total 0"], ["one item", "total 3"]]
})";

const QByteArray kSolution = R"({
    "title": "Leaks", "category": "speed", "link": "faleak", "keyword": "leak",
    "problem": ["it grows"],
    "approaches": [
        {"technique": "c_malloc_free", "name": "one", "reason": ["r"], "pros": ["p"], "cons": ["c"]},
        {"technique": "cpp_unique_ptr", "name": "two", "reason": ["r"], "pros": ["p"], "cons": ["c"]},
        {"technique": "cpp_raii", "name": "three", "reason": ["r"], "pros": ["p"], "cons": ["c"]}
    ],
    "recommendation": ["use two"]
})";

const QByteArray kCourse = R"({
    "title": "C from zero", "link": "study_c", "keyword": "C语言",
    "chapters": [{"title": "one", "lessons": [
        {"title": "hello", "language": "C", "text": ["say hello"], "file": "01-01.c", "output": "01-01.output.txt"},
        {"title": "pointers", "language": "C", "technique": "c_pointer_basics"}
    ]}],
    "closingTitle": "next", "closingText": ["go on"]
})";

const QByteArray kTraining = R"({
    "title": "C drills", "link": "works_c", "keyword": "C语言",
    "trainings": [{"title": "first", "exercises": [
        {"title": "circle", "language": "C", "advanced": true, "problem": ["area"], "sample": ["in 1"],
         "hint": ["pi"], "file": "01-01.c"}
    ]}],
    "closingTitle": "next", "closingText": ["go on"]
})";

// A content folder with one project, one solution and one course of each kind;
// each bad case spoils one file.
class ContentFolder {
public:
    ContentFolder()
    {
        write(QStringLiteral("projects/index.json"), R"({"categories": ["apps"], "projects": ["shop"]})");
        write(QStringLiteral("projects/shop/project.json"), kProject);
        write(QStringLiteral("projects/shop/shop.c"), "\nint main(void) { return 0; }\n");
        write(QStringLiteral("projects/shop/output.txt"), "  total 3\n");
        write(QStringLiteral("solutions/index.json"), R"({"categories": ["speed"], "solutions": ["leak"]})");
        write(QStringLiteral("solutions/leak/solution.json"), kSolution);
        write(QStringLiteral("courses/index.json"), R"({"study": ["study_c"], "training": ["works_c"]})");
        write(QStringLiteral("courses/study_c/course.json"), kCourse);
        write(QStringLiteral("courses/study_c/01-01.c"), "int main(void) { return 0; }\n");
        write(QStringLiteral("courses/study_c/01-01.output.txt"), "hello\n");
        write(QStringLiteral("courses/works_c/training.json"), kTraining);
        write(QStringLiteral("courses/works_c/01-01.c"), "int main(void) { return 1; }\n");
    }
    QString root() const { return m_dir.path(); }
    QString path(const QString& file) const { return root() + QLatin1Char('/') + file; }
    void write(const QString& file, const QByteArray& data) const { writeFile(path(file), data); }

private:
    QTemporaryDir m_dir;
};

TEST(ContentFiles, ReadsAProjectASolutionAndTheCourses)
{
    ContentFolder content;
    const ProjectContent projects = readProjects(content.root());
    ASSERT_EQ(projects.projects.size(), 1u);
    const Project& p = projects.projects.front();
    EXPECT_EQ(p.key, QStringLiteral("shop"));
    EXPECT_EQ(p.summary, QStringLiteral("first\nsecond"));
    EXPECT_EQ(p.features, QStringLiteral("sell|buy"));
    ASSERT_EQ(p.tables.size(), 1u);
    EXPECT_EQ(p.tables.front().columns, QStringLiteral("id INTEGER|number\nname TEXT|name"));
    EXPECT_EQ(p.coreCode, QStringLiteral("int main(void) { return 0; }"));
    EXPECT_EQ(p.coreOutput, QStringLiteral("  total 3"));  // leading spaces are output
    EXPECT_EQ(p.testCases, QStringLiteral("empty cart|total 0|one item|total 3"));
    EXPECT_EQ(p.snippetKeys, QStringList{QStringLiteral("c_struct")});

    const SolutionContent solutions = readSolutions(content.root());
    ASSERT_EQ(solutions.solutions.size(), 1u);
    EXPECT_EQ(solutions.solutions.front().approaches.at(2).snippetKey, QStringLiteral("cpp_raii"));

    const CourseContent courses = readCourses(content.root());
    ASSERT_EQ(courses.study.size(), 1u);
    const std::vector<Lesson>& lessons = courses.study.front().chapters.front().lessons;
    ASSERT_EQ(lessons.size(), 2u);
    EXPECT_EQ(lessons[0].output, QStringLiteral("hello"));
    EXPECT_TRUE(lessons[1].code.isEmpty());
    EXPECT_FALSE(lessons[1].practice);
    ASSERT_EQ(courses.training.size(), 1u);
    const Exercise& e = courses.training.front().trainings.front().exercises.front();
    EXPECT_TRUE(e.advanced);
    EXPECT_TRUE(e.output.isEmpty());
    EXPECT_EQ(e.answer, QStringLiteral("int main(void) { return 1; }"));
}

struct BadContent {
    const char* name;
    const char* file;      // under the content folder
    QByteArray content;    // empty: the file is removed
    const char* complaint; // part of the message
};

void PrintTo(const BadContent& bad, std::ostream* os)
{
    *os << bad.name;
}

QByteArray with(const QByteArray& json, const QByteArray& from, const QByteArray& to)
{
    QByteArray out = json;
    out.replace(from, to);
    return out;
}

class ContentFilesReject : public ::testing::TestWithParam<BadContent> {};

// Every complaint names the file, so that the person who edited it finds the slip.
TEST_P(ContentFilesReject, WithAMessageNamingTheFile)
{
    const BadContent& bad = GetParam();
    ContentFolder content;
    const QString path = content.path(QString::fromUtf8(bad.file));
    if (bad.content.isEmpty())
        QFile::remove(path);
    else
        writeFile(path, bad.content);
    try {
        readProjects(content.root());
        readSolutions(content.root());
        readCourses(content.root());
        FAIL() << "accepted a bad " << bad.file;
    } catch (const AuthoringError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(path.toStdString()), std::string::npos) << message;
        EXPECT_NE(message.find(bad.complaint), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContentFilesReject,
    ::testing::Values(
        BadContent{"ProjectIndexMissing", "projects/index.json", QByteArray(), "cannot be read"},
        BadContent{"ProjectNotJson", "projects/shop/project.json", "{\"name\": ", "not valid JSON"},
        BadContent{"ProjectInAnUnknownCategory", "projects/shop/project.json",
                   with(kProject, "\"category\": \"apps\"", "\"category\": \"games\""), "\"games\" is not in index.json"},
        BadContent{"ProjectMisspeltField", "projects/shop/project.json", with(kProject, "\"coreNotes\"", "\"coreNote\""),
                   "unknown field \"coreNote\""},
        BadContent{"ProjectCoreFileMissing", "projects/shop/project.json", with(kProject, "shop.c", "cart.c"),
                   "\"cart.c\" named by \"coreFile\" is missing"},
        BadContent{"ProjectCoreFileOutsideTheFolder", "projects/shop/project.json", with(kProject, "shop.c", "../shop.c"),
                   "must name a file beside"},
        BadContent{"ProjectColumnWithoutComment", "projects/shop/project.json",
                   with(kProject, "name TEXT|name", "name TEXT"), "must be \"definition|comment\""},
        BadContent{"ProjectFeatureWithBar", "projects/shop/project.json", with(kProject, "\"buy\"", "\"buy|sell\""),
                   "must not contain '|'"},
        BadContent{"ProjectTestCaseNotAPair", "projects/shop/project.json",
                   with(kProject, "[\"one item\", \"total 3\"]", "[\"one item\"]"), "pair of texts"},
        BadContent{"ProjectWithoutTables", "projects/shop/project.json",
                   with(kProject, R"([{"name": "items", "comment": "goods", "columns": ["id INTEGER|number", "name TEXT|name"]}])",
                        "[]"),
                   "\"tables\" is empty"},
        BadContent{"ProjectEmptySource", "projects/shop/shop.c", "\n\n", "is empty"},
        BadContent{"SolutionWithTwoApproaches", "solutions/leak/solution.json",
                   with(kSolution,
                        R"(,
        {"technique": "cpp_raii", "name": "three", "reason": ["r"], "pros": ["p"], "cons": ["c"]})",
                        ""),
                   "must hold 3 approaches"},
        BadContent{"SolutionApproachWithoutTechnique", "solutions/leak/solution.json",
                   with(kSolution, "\"technique\": \"cpp_raii\", ", ""), "\"technique\""},
        BadContent{"SolutionApproachNotAnObject", "solutions/leak/solution.json",
                   with(kSolution, R"({"technique": "cpp_raii", "name": "three", "reason": ["r"], "pros": ["p"], "cons": ["c"]})",
                        "\"three\""),
                   "must be a JSON object"},
        BadContent{"CourseIndexNotAnObject", "courses/index.json", "[]", "one JSON object"},
        BadContent{"CourseWithoutChapters", "courses/study_c/course.json",
                   R"({"title": "t", "link": "l", "keyword": "k", "chapters": [], "closingTitle": "c", "closingText": ["c"]})",
                   "\"chapters\" is empty"},
        BadContent{"LessonWithoutTechniqueOrProgram", "courses/study_c/course.json",
                   with(kCourse, "\"technique\": \"c_pointer_basics\"", "\"text\": [\"only words\"]"),
                   "needs a \"technique\", or a \"text\" and a \"file\""},
        BadContent{"LessonPracticeNotAFlag", "courses/study_c/course.json",
                   with(kCourse, "\"technique\": \"c_pointer_basics\"", "\"technique\": \"c_pointer_basics\", \"practice\": \"yes\""),
                   "\"practice\" must be true or false"},
        BadContent{"LessonOutputMissing", "courses/study_c/course.json",
                   with(kCourse, "\"output\": \"01-01.output.txt\"", "\"output\": \"01-01.out\""),
                   "\"01-01.out\" named by \"output\" is missing"},
        BadContent{"ExerciseWithoutAnswer", "courses/works_c/training.json", with(kTraining, ", \"file\": \"01-01.c\"", ""),
                   "\"file\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContentFiles, TheBuiltInContentReads)
{
    EXPECT_FALSE(readProjects(builtInContentRoot()).projects.empty());
    EXPECT_FALSE(readSolutions(builtInContentRoot()).solutions.empty());
    const CourseContent courses = readCourses(builtInContentRoot());
    EXPECT_FALSE(courses.study.empty());
    EXPECT_FALSE(courses.training.empty());
}

}  // namespace
}  // namespace kelvor::authoring
