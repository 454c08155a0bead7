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
        {"no title", kTech, {u"101210110001"_s, {}, u"n"_s, u"abs"_s, false}, u"目录名称为空，不能保存。请先打开要关联的记录。"_s},
        {"no keyword", kTech, {u"101210110001"_s, u"t"_s, u"n"_s, {}, false}, u"锁定关键词为空，不能保存。"_s},
        {"no name", kTech, {u"101210110001"_s, u"t"_s, {}, u"abs"_s, false}, u"关联技术名称为空，不能保存。"_s},
        {"no code", kTech, {{}, u"t"_s, u"n"_s, u"abs"_s, false}, u"序号为空，不能保存。请先打开要关联的记录。"_s},
        {"nothing at all", kTech, {},
         u"序号、目录名称、关联技术名称、锁定关键词为空，不能保存。请先打开要关联的记录。"_s},
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

// Rename, delete and unlink act on the keyword typed and on no other, even when it
// holds `%` or `_`; letter case is still ignored, as in the lookups.
struct ExactKeywordCase {
    const char* what;
    enum Action { Rename, Delete, Unlink } action;
    QString keyword;      // the keyword list's text, or the selected keyword for an unlink
    QString answer;       // the new keyword of a rename; the chosen display name of an unlink
    QStringList links;    // "link|name" of every row afterwards, table by table
    QStringList jbmc;     // the main keywords of the records afterwards, in code order
    QString message = {};  // what the prompter said, if anything
};

void PrintTo(const ExactKeywordCase& c, std::ostream* os) { *os << c.what; }

class ExactKeywordTest : public KeywordEditorTest, public ::testing::WithParamInterface<ExactKeywordCase> {
protected:
    ExactKeywordTest()
    {
        library.addRecords(u"jszx"_s, {recordWith(u"101210120001"_s, u"查询"_s, u"SQL"_s),
                                       recordWith(u"101210120002"_s, u"模板库"_s, u"stl"_s),
                                       recordWith(u"101210120003"_s, u"百分比"_s, u"S%"_s),
                                       recordWith(u"101210120004"_s, u"语言"_s, u"C++"_s),
                                       recordWith(u"101210120005"_s, u"取模"_s, u"c%"_s),
                                       recordWith(u"101210120006"_s, u"占位"_s, u"C_"_s)});
        for (const auto& [keyword, name] : {std::pair{u"C++"_s, u"C++用法"_s}, {u"C%"_s, u"C百分号"_s},
                                            {u"c_"_s, u"c下划线"_s}, {u"SQL"_s, u"SQL用法"_s},
                                            {u"STL"_s, u"标准库"_s}, {u"S%"_s, u"百分号"_s}})
            linkTech(keyword, name);
    }
    QStringList links() const
    {
        QStringList out;
        for (const QString& r : rows(DatabaseRole::TechKeywords)) out << r.section(u'|', 1, 2);
        return out;
    }
    QStringList mainKeywords() const
    {
        QStringList out;
        auto db = library.open(DatabaseRole::Content);
        for (const Row& r : db->query(u"select jbmc from jszx where xxbh like '10121012%' order by xxbh"_s))
            out << r.text(0);
        return out;
    }
};

const QStringList kAllLinks = {u"C++|C++用法"_s, u"C%|C百分号"_s, u"c_|c下划线"_s,
                               u"SQL|SQL用法"_s, u"STL|标准库"_s, u"S%|百分号"_s};
const QStringList kAllMain = {u"SQL"_s, u"stl"_s, u"S%"_s, u"C++"_s, u"c%"_s, u"C_"_s};

TEST_P(ExactKeywordTest, ActsOnTheTypedKeywordOnly)
{
    const ExactKeywordCase& c = GetParam();
    switch (c.action) {
    case ExactKeywordCase::Rename:
        prompter.inputAnswers = {c.answer};
        editor.renameKeyword(EditorMode::Navigation, kTech, c.keyword);
        break;
    case ExactKeywordCase::Delete:
        editor.deleteKeyword(EditorMode::Navigation, kTech, c.keyword);
        break;
    case ExactKeywordCase::Unlink:
        editor.deleteLink(EditorMode::Navigation, c.keyword, c.answer, {}, {}, {});
        break;
    }
    EXPECT_EQ(links(), c.links);
    EXPECT_EQ(mainKeywords(), c.jbmc);
    EXPECT_EQ(prompter.messages, c.message.isEmpty() ? QStringList{} : QStringList{c.message});
}

QStringList replaced(QStringList list, const QString& from, const QString& to)
{
    list.replace(list.indexOf(from), to);
    return list;
}

QStringList without(QStringList list, const QString& item)
{
    list.removeOne(item);
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    WildcardsInTheKeyword, ExactKeywordTest,
    ::testing::Values(
        ExactKeywordCase{"rename S% renames neither SQL nor STL", ExactKeywordCase::Rename, u"S%"_s, u"Sx"_s,
                         replaced(kAllLinks, u"S%|百分号"_s, u"Sx|百分号"_s), replaced(kAllMain, u"S%"_s, u"Sx"_s)},
        ExactKeywordCase{"rename s_l, a keyword without links, touches SQL and STL nowhere", ExactKeywordCase::Rename,
                         u"s_l"_s, u"Sy"_s, kAllLinks, kAllMain},
        ExactKeywordCase{"rename C_ still ignores letter case, and leaves C%", ExactKeywordCase::Rename, u"C_"_s,
                         u"Cz"_s, replaced(kAllLinks, u"c_|c下划线"_s, u"Cz|c下划线"_s),
                         replaced(kAllMain, u"C_"_s, u"Cz"_s)},
        ExactKeywordCase{"rename STL to S_L, which only SQL matches as a pattern", ExactKeywordCase::Rename, u"STL"_s,
                         u"S_L"_s, replaced(kAllLinks, u"STL|标准库"_s, u"S_L|标准库"_s),
                         replaced(kAllMain, u"stl"_s, u"S_L"_s)},
        ExactKeywordCase{"rename SQL onto s%, which exists in another letter case", ExactKeywordCase::Rename, u"SQL"_s,
                         u"s%"_s, kAllLinks, kAllMain, KeywordEditor::keywordExistsMessage()},
        ExactKeywordCase{"delete C% keeps C++ and c_", ExactKeywordCase::Delete, u"C%"_s, {},
                         without(kAllLinks, u"C%|C百分号"_s), replaced(kAllMain, u"c%"_s, u" "_s)},
        ExactKeywordCase{"delete c_ keeps C%", ExactKeywordCase::Delete, u"c_ "_s, {},
                         without(kAllLinks, u"c_|c下划线"_s), replaced(kAllMain, u"C_"_s, u" "_s)},
        ExactKeywordCase{"delete S_L deletes nothing", ExactKeywordCase::Delete, u"S_L"_s, {}, kAllLinks, kAllMain},
        ExactKeywordCase{"unlink S_L leaves the link of SQL", ExactKeywordCase::Unlink, u"S_L"_s, u"SQL用法"_s,
                         kAllLinks, kAllMain},
        ExactKeywordCase{"unlink S% removes its own link", ExactKeywordCase::Unlink, u"S%"_s, u"百分号"_s,
                         without(kAllLinks, u"S%|百分号"_s), kAllMain},
        ExactKeywordCase{"unlink a display name that holds a wildcard only as itself", ExactKeywordCase::Unlink,
                         u"SQL"_s, u"SQL%"_s, kAllLinks, kAllMain}));

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
              (QStringList{KeywordEditor::emptyImportMessage(), KeywordEditor::noImportRecordMessage()}));
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
    // Blanks only would be stored as an empty name once trimmed.
    EXPECT_FALSE(editor.renameFolder(kTech, u"10121011"_s, u" \t　 "_s));
    EXPECT_EQ(contentValue(u"select name from jszx where xxbh = '10121011'"_s), u"Pointer 指针"_s);
    // The unknown code and the centre outside the six spoke; the empty names did not.
    EXPECT_EQ(prompter.messages, QStringList(2, KeywordEditor::noRecordMessage()));
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
