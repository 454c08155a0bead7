#include "keywordfixture.h"

#include "library/containsindex.h"
#include "library/textrules.h"
#include "search/centresearch.h"

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using keywords::EditorMode;
using keywords::KeywordEditor;
using keywords::LinkInput;

const QString kTech = u"技术中心"_s;

CentreRecord recordWith(const QString& code, const QString& name, const QString& jbmc = {}, const QString& jbnr = {})
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    r.jbmc = jbmc;
    r.jbnr = jbnr;
    return r;
}

class KeywordEditorTest : public test::KeywordFixture {
protected:
    KeywordEditorTest()
    {
        library.addRecords(u"jszx"_s, {recordWith(u"10121011"_s, u"指针"_s),
                                       recordWith(u"101210110001"_s, u"绝对值函数"_s, u"abs"_s),
                                       recordWith(u"101210110002"_s, u"取整"_s, u"ABS"_s),
                                       recordWith(u"101210110003"_s, u"数组"_s, u"array"_s)});
        library.addRecords(u"slzx"_s, {recordWith(u"101221110001"_s, u"实例"_s, u"abs"_s)});
    }
    QString jbmcOf(const QString& table, const QString& code) const
    {
        return contentValue(u"select jbmc from %1 where xxbh = ?"_s.arg(table), {code});
    }
    QString row(const QString& table, const QString& link, const QString& name, const QString& setx = {},
                const QString& code = {}) const
    {
        return QStringList{table, link, name, setx, code}.join(u'|');
    }
};

TEST_F(KeywordEditorTest, SavingALinkTrimsEveryFieldAndAllowsEqualLinks)
{
    const LinkInput input{u" 101210110003 "_s, u" 数组 "_s, u" 数组用法 "_s, u" Array "_s, false};
    ASSERT_TRUE(editor.saveLink(EditorMode::Navigation, kTech, input));
    ASSERT_TRUE(editor.saveLink(EditorMode::Navigation, kTech, {u"101210110003"_s, u"数组"_s, u"数组用法"_s, u" Array "_s, true}));
    const QString stored = row(u"akv"_s, u"Array"_s, u"数组用法"_s, u"数组"_s, u"101210110003"_s);
    EXPECT_EQ(rows(DatabaseRole::TechKeywords), (QStringList{stored, stored}));
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110003"_s), u"Array"_s);
    EXPECT_TRUE(rows(DatabaseRole::ExampleKeywords).isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(KeywordEditorTest, SavingRefusesEmptyFieldsAndUnknownRecords)
{
    struct Case {
        const char* what;
        QString centre;
        LinkInput input;
        QString message;
    };
    const Case cases[] = {
        {"no title", kTech, {u"101210110001"_s, {}, u"n"_s, u"abs"_s, false}, KeywordEditor::emptyFieldMessage()},
        {"no keyword", kTech, {u"101210110001"_s, u"t"_s, u"n"_s, {}, false}, KeywordEditor::emptyFieldMessage()},
        {"no name", kTech, {u"101210110001"_s, u"t"_s, {}, u"abs"_s, false}, KeywordEditor::emptyFieldMessage()},
        {"no code", kTech, {{}, u"t"_s, u"n"_s, u"abs"_s, false}, KeywordEditor::emptyFieldMessage()},
        {"no such record", kTech, {u"101210119999"_s, u"t"_s, u"n"_s, u"abs"_s, true}, KeywordEditor::noRecordMessage()},
        {"centre outside the six", u"从零开始"_s, {u"101210110001"_s, u"t"_s, u"n"_s, u"new"_s, true},
         KeywordEditor::noRecordMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.messages.clear();
        EXPECT_FALSE(editor.saveLink(EditorMode::Navigation, c.centre, c.input));
        EXPECT_EQ(prompter.messages, QStringList{c.message});
    }
    EXPECT_TRUE(rows(DatabaseRole::TechKeywords).isEmpty());
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"abs"_s);
}

TEST_F(KeywordEditorTest, RenamingWithinATableKeepsRowsAndRenamesMainKeywords)
{
    linkTech(u"abs"_s, u"绝对值"_s, u"101210110001"_s);
    linkTech(u"abs"_s, u"取整"_s, u"101210110002"_s);
    prompter.inputAnswers = {u"Abs"_s};
    ASSERT_TRUE(editor.renameKeyword(EditorMode::Navigation, kTech, u"abs"_s));
    EXPECT_EQ(prompter.questions, QStringList{KeywordEditor::renamePrompt()});
    EXPECT_EQ(prompter.inputDefaults, QStringList{u"abs"_s});
    EXPECT_EQ(rows(DatabaseRole::TechKeywords),
              (QStringList{row(u"akv"_s, u"Abs"_s, u"绝对值"_s, {}, u"101210110001"_s),
                           row(u"akv"_s, u"Abs"_s, u"取整"_s, {}, u"101210110002"_s)}));
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"Abs"_s);
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110002"_s), u"Abs"_s);  // ABS: letter case ignored
    EXPECT_EQ(jbmcOf(u"slzx"_s, u"101221110001"_s), u"abs"_s);  // another centre keeps its keyword
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(KeywordEditorTest, RenamingStoresTheNewKeywordTrimmedWhereLookupsFindIt)
{
    linkTech(u"abs"_s, u"绝对值"_s);
    prompter.inputAnswers = {u" abx "_s};
    ASSERT_TRUE(editor.renameKeyword(EditorMode::Navigation, kTech, u"abs"_s));
    EXPECT_EQ(rows(DatabaseRole::TechKeywords), QStringList{row(u"akv"_s, u"abx"_s, u"绝对值"_s)});
    EXPECT_EQ(index.titlesOf(EditorMode::Navigation, u"abx"_s), QStringList{u"绝对值"_s});
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"abx"_s);
}

TEST_F(KeywordEditorTest, RenamingToAnotherFirstCharacterMovesTheRows)
{
    linkTech(u"abs"_s, u"绝对值"_s, u"101210110001"_s);
    linkTech(u"abs"_s, u"取整"_s, u"101210110002"_s);
    linkTech(u"apple"_s, u"苹果"_s);
    prompter.inputAnswers = {u"绝对值函数"_s};
    ASSERT_TRUE(editor.renameKeyword(EditorMode::Navigation, kTech, u"abs"_s));
    EXPECT_EQ(rows(DatabaseRole::TechKeywords),
              (QStringList{row(u"akv"_s, u"apple"_s, u"苹果"_s),
                           row(u"otherkv"_s, u"绝对值函数"_s, u"绝对值"_s, {}, u"101210110001"_s),
                           row(u"otherkv"_s, u"绝对值函数"_s, u"取整"_s, {}, u"101210110002"_s)}));
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"绝对值函数"_s);
}

TEST_F(KeywordEditorTest, RenamingOntoAnExistingKeywordChangesNothing)
{
    linkTech(u"abs"_s, u"绝对值"_s);
    linkTech(u"Array"_s, u"数组"_s);
    linkTech(u"指针"_s, u"指针"_s);
    const QStringList before = rows(DatabaseRole::TechKeywords);
    for (const QString& target : {u"array"_s, u" 指针"_s}) {
        prompter.messages.clear();
        prompter.inputAnswers = {target};
        EXPECT_FALSE(editor.renameKeyword(EditorMode::Navigation, kTech, u"abs"_s));
        EXPECT_EQ(prompter.messages, QStringList{KeywordEditor::keywordExistsMessage()});
    }
    EXPECT_EQ(rows(DatabaseRole::TechKeywords), before);
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"abs"_s);
}

TEST_F(KeywordEditorTest, RenamingAKeywordWithoutLinksStillRenamesMainKeywords)
{
    prompter.inputAnswers = {u"absolute"_s};
    ASSERT_TRUE(editor.renameKeyword(EditorMode::Navigation, kTech, u"abs"_s));
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"absolute"_s);
    // Cancelled or blank: nothing.
    prompter.inputAnswers = {std::nullopt, u"  "_s};
    EXPECT_FALSE(editor.renameKeyword(EditorMode::Navigation, kTech, u"absolute"_s));
    EXPECT_FALSE(editor.renameKeyword(EditorMode::Navigation, kTech, u"absolute"_s));
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"absolute"_s);
}

TEST_F(KeywordEditorTest, DeletingAKeywordRemovesItsLinksAndClearsMainKeywords)
{
    linkTech(u"abs"_s, u"绝对值"_s);
    linkTech(u"ABS"_s, u"取整"_s);
    linkTech(u"Array"_s, u"数组"_s);
    EXPECT_FALSE(editor.deleteKeyword(EditorMode::Navigation, kTech, u"  "_s));
    EXPECT_EQ(prompter.messages, QStringList{KeywordEditor::noKeywordMessage()});
    ASSERT_TRUE(editor.deleteKeyword(EditorMode::Navigation, kTech, u"abs "_s));
    EXPECT_EQ(rows(DatabaseRole::TechKeywords), QStringList{row(u"akv"_s, u"Array"_s, u"数组"_s)});
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u" "_s);
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110002"_s), u" "_s);
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110003"_s), u"array"_s);
    EXPECT_EQ(jbmcOf(u"slzx"_s, u"101221110001"_s), u"abs"_s);
}

TEST_F(KeywordEditorTest, DeletingALinkRemovesOnlyTheFirstOfTwoEqualOnes)
{
    linkTech(u"Abs"_s, u"绝对值"_s, u"101210110001"_s);
    linkTech(u"Abs"_s, u"绝对值"_s, u"101210110002"_s);
    linkTech(u"Abs"_s, u"取整"_s, u"101210110003"_s);
    const auto shown = editor.deleteLink(EditorMode::Navigation, u"Abs"_s, u"绝对值"_s, {}, {}, {});
    EXPECT_EQ(shown, (QStringList{u"绝对值"_s, u"取整"_s}));
    EXPECT_EQ(rows(DatabaseRole::TechKeywords),
              (QStringList{row(u"akv"_s, u"Abs"_s, u"绝对值"_s, {}, u"101210110002"_s),
                           row(u"akv"_s, u"Abs"_s, u"取整"_s, {}, u"101210110003"_s)}));
    EXPECT_FALSE(editor.deleteLink(EditorMode::Navigation, QString(), u"取整"_s, {}, {}, {}).has_value());
    EXPECT_EQ(prompter.messages, QStringList{KeywordEditor::noSelectedKeywordMessage()});
}

TEST_F(KeywordEditorTest, ImportMakesTheChoiceTheMainKeyword)
{
    EXPECT_FALSE(editor.importMainKeyword(EditorMode::Example, kTech, u"101210110001"_s, u"  "_s).has_value());
    EXPECT_FALSE(editor.importMainKeyword(EditorMode::Example, kTech, u"101210119999"_s, u"x"_s).has_value());
    EXPECT_EQ(prompter.messages,
              (QStringList{KeywordEditor::emptyFieldMessage(), KeywordEditor::noImportRecordMessage()}));
    EXPECT_EQ(editor.importMainKeyword(EditorMode::Example, kTech, u"101210110001"_s, u" 排序 "_s), u" 排序 "_s);
    EXPECT_EQ(contentValue(u"select jbnr from jszx where xxbh = '101210110001'"_s), u"排序"_s);
    EXPECT_EQ(jbmcOf(u"jszx"_s, u"101210110001"_s), u"abs"_s);
}

TEST_F(KeywordEditorTest, FolderRenameChangesTheTitleAndItsSearchHelpers)
{
    linkTech(u"abs"_s, u"绝对值"_s);
    const QStringList keywordRows = rows(DatabaseRole::TechKeywords);
    ASSERT_TRUE(editor.renameFolder(kTech, u"10121011"_s, u"  Pointer 指针  "_s));
    EXPECT_EQ(contentValue(u"select name from jszx where xxbh = '10121011'"_s), u"Pointer 指针"_s);
    EXPECT_EQ(contentValue(u"select namefold from jszx where xxbh = '10121011'"_s),
              textrules::fold(u"Pointer 指针"_s));
    auto db = library.open(DatabaseRole::Content);
    EXPECT_EQ(db->scalar(u"select namekey from jszx where xxbh = '10121011'"_s).toByteArray(),
              textrules::sortKey(u"Pointer 指针"_s));
    EXPECT_EQ(rows(DatabaseRole::TechKeywords), keywordRows);

    EXPECT_FALSE(editor.renameFolder(kTech, u"10121099"_s, u"x"_s));
    EXPECT_EQ(prompter.messages, QStringList{KeywordEditor::noRecordMessage()});
    EXPECT_FALSE(editor.renameFolder(u"从零开始"_s, u"10121011"_s, u"x"_s));
    EXPECT_FALSE(editor.renameFolder(kTech, u"10121011"_s, QString()));
    EXPECT_EQ(contentValue(u"select name from jszx where xxbh = '10121011'"_s), u"Pointer 指针"_s);
}

TEST_F(KeywordEditorTest, TheCentreSearchFindsARenamedFolderAtOnceAndNeverItsOldName)
{
    containsindex::ensure(*library.open(DatabaseRole::Content), u"jszx"_s);
    ASSERT_TRUE(editor.renameFolder(kTech, u"10121011"_s, u"Pointers"_s));
    const auto namesFound = [&](const QString& text) {
        const auto search = centreSearch(connection, u"jszx"_s, text);
        if (!search) return std::vector<QString>{u"no search"_s};
        return runCentreSearch(connection, *search).names;
    };
    EXPECT_EQ(namesFound(u"pointer"_s), std::vector<QString>{u"Pointers"_s});
    EXPECT_TRUE(namesFound(u"指针"_s).empty());
}

}  // namespace
}  // namespace kelvor
