// The window's import entry: the questions, the progress dialog, and what the
// user is told when the import ends, fails or is cancelled.

#include "../../import/importfixture.h"

#include "app/window/import/documentimport.h"
#include "app/window/import/importquestions.h"
#include "support/scriptedprompter.h"
#include "support/testlibrary.h"

#include <QApplication>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

namespace kelvor {
namespace {

class ScriptedQuestions : public ImportQuestions {
public:
    std::optional<ImportChoice> ask(const QStringList& centres) override
    {
        offered = centres;
        ++asked;
        return answer;
    }
    std::optional<ImportChoice> answer;
    QStringList offered;
    int asked = 0;
};

class DocumentImportTest : public ::testing::Test {
protected:
    QProgressDialog* progress() const { return window.findChild<QProgressDialog*>(QStringLiteral("importProgress")); }

    test::TestLibrary library;
    test::FixtureHtmlFolder fixture;
    test::ScriptedPrompter prompter;
    ScriptedQuestions questions;
    QWidget window;
    DocumentImport import{library.dataRoot(), questions, prompter, &window};
    QSignalSpy imported{&import, &DocumentImport::imported};
    QSignalSpy abandoned{&import, &DocumentImport::abandoned};
};

TEST_F(DocumentImportTest, ImportsBehindAProgressDialogAndNamesTheCentreThatChanged)
{
    window.show();
    questions.answer = ImportChoice{fixture.path(), QStringLiteral("实例中心"), QStringLiteral("夹具文档")};
    ASSERT_TRUE(import.start());
    EXPECT_TRUE(questions.offered.contains(QStringLiteral("技术中心")));
    EXPECT_FALSE(questions.offered.contains(QStringLiteral("视频中心"))) << "a centre of players holds no pages";
    ASSERT_NE(progress(), nullptr);
    EXPECT_TRUE(progress()->isVisible());

    ASSERT_TRUE(imported.wait(60000));
    EXPECT_EQ(imported.at(0).at(0).toString(), QStringLiteral("实例中心"));
    EXPECT_FALSE(imported.at(0).at(1).toString().isEmpty());
    EXPECT_EQ(abandoned.count(), 0);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.at(0).startsWith(QStringLiteral("“夹具文档”已导入实例中心：6 个页面")))
        << prompter.messages.at(0).toStdString();
    QApplication::processEvents();  // the dialog is deleted later
    EXPECT_EQ(progress(), nullptr);
}

struct Unchanged {
    const char* name;
    enum { SourceWithoutPages, CancelAtOnce } how;
    const char* message;
};

void PrintTo(const Unchanged& c, std::ostream* os) { *os << c.name; }

class DocumentImportUnchangedTest : public DocumentImportTest, public ::testing::WithParamInterface<Unchanged> {};

TEST_P(DocumentImportUnchangedTest, LeavesTheLibraryAsItWasAndSaysSo)
{
    const auto before = test::filesUnder(library.dataRoot());
    QTemporaryDir empty;
    const bool withoutPages = GetParam().how == Unchanged::SourceWithoutPages;
    questions.answer = ImportChoice{withoutPages ? empty.path() : fixture.path(), QStringLiteral("技术中心"), {}};
    ASSERT_TRUE(import.start());
    if (!withoutPages) import.cancel();
    ASSERT_TRUE(abandoned.wait(60000));
    EXPECT_EQ(imported.count(), 0);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.at(0).startsWith(QString::fromUtf8(GetParam().message)))
        << prompter.messages.at(0).toStdString();
    EXPECT_EQ(test::filesUnder(library.dataRoot()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentImportUnchangedTest,
                         ::testing::Values(Unchanged{"SourceWithoutPages", Unchanged::SourceWithoutPages,
                                                     "导入失败，资料库没有改变："},
                                           Unchanged{"CancelAtOnce", Unchanged::CancelAtOnce,
                                                     "导入已取消，资料库没有改变。"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentImportTest, NothingStartsWhenTheUserCancelsOrAnImportIsRunning)
{
    EXPECT_FALSE(import.start());  // the questions were cancelled
    EXPECT_EQ(progress(), nullptr);
    EXPECT_TRUE(prompter.messages.isEmpty());

    questions.answer = ImportChoice{fixture.path(), QStringLiteral("技术中心"), {}};
    ASSERT_TRUE(import.start());
    EXPECT_FALSE(import.start());
    EXPECT_EQ(questions.asked, 2) << "a running import is not asked about again";
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("正在导入文档，请等当前的导入结束。")});
    ASSERT_TRUE(imported.wait(60000));
}

}  // namespace
}  // namespace kelvor
