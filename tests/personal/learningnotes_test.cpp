#include "personalfixture.h"

#include "personal/learningnotes.h"
#include "personal/notefield.h"

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

using test::PersonalFixture;
using test::record;

class LearningNotesTest : public PersonalFixture {
protected:
    QString bzOf(const QString& table, const QString& code) const
    {
        return valueOf(DatabaseRole::Content, QStringLiteral("select bz from %1 where xxbh = ?").arg(table), {code});
    }
    QStringList titles() const
    {
        QStringList out;
        for (const auto& e : notes.entries()) out << e.title;
        return out;
    }

    LearningNotes notes{connection, prompter};
};

TEST_F(LearningNotesTest, SavesNotesOfNineTo220Characters)
{
    struct Case {
        int length;
        QString message;
    };
    const Case cases[] = {
        {8, LearningNotes::tooShortMessage()},
        {9, LearningNotes::savedMessage()},
        {220, LearningNotes::savedMessage()},
        {221, LearningNotes::tooLongMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        prompter.messages.clear();
        const QString text(c.length, QChar(u'心'));
        const bool saved =
            notes.save(text, QStringLiteral("m101210110001"), QStringLiteral("  指针入门 ")).has_value();
        EXPECT_EQ(saved, c.message == LearningNotes::savedMessage());
        EXPECT_EQ(prompter.messages, QStringList{c.message});
        if (saved) {
            EXPECT_EQ(bzOf(QStringLiteral("jszx"), QStringLiteral("101210110001")),
                      notefield::encode(text, QStringLiteral("101210110001")));
        }
    }
}

TEST_F(LearningNotesTest, SaveRefusesWithoutNodePageOrMatchingRecord)
{
    const QString note = QStringLiteral("这是一条足够长的心得");
    struct Case {
        const char* what;
        std::optional<QString> node;
        const char* firstLine;
        QStringList messages;
    };
    const Case cases[] = {
        {"no selected node", std::nullopt, "指针入门", {LearningNotes::noRecordMessage()}},
        {"node without code", QStringLiteral("m"), "指针入门", {}},
        {"no page text", QStringLiteral("m101210110001"), "", {LearningNotes::noPageMessage()}},
        {"no such record", QStringLiteral("m101210119999"), "指针入门", {}},
        {"page of another record", QStringLiteral("m101210110001"), "引用", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.messages.clear();
        EXPECT_FALSE(notes.save(note, c.node, QString::fromUtf8(c.firstLine)).has_value());
        EXPECT_EQ(prompter.messages, c.messages);
    }
    EXPECT_EQ(bzOf(QStringLiteral("jszx"), QStringLiteral("101210110001")), QString());
    EXPECT_TRUE(notes.entries().empty());
}

TEST_F(LearningNotesTest, SavingAgainReplacesTheNoteAndListsTheTitleTwice)
{
    ASSERT_TRUE(notes.save(QStringLiteral("第一条心得的内容。"), QStringLiteral("m101210110002"), QStringLiteral("引用")));
    ASSERT_TRUE(notes.save(QStringLiteral("第二条心得，替换第一条。"), QStringLiteral("m101210110002"),
                           QStringLiteral("引用")));
    EXPECT_EQ(bzOf(QStringLiteral("jszx"), QStringLiteral("101210110002")),
              notefield::encode(QStringLiteral("第二条心得，替换第一条。"), QStringLiteral("101210110002")));
    EXPECT_EQ(titles(), (QStringList{u"引用"_s, u"引用"_s}));
}

TEST_F(LearningNotesTest, FillsFromTheCentreTablesInTheirOrder)
{
    const QString code = QStringLiteral("206101110001");
    library.addRecords(QStringLiteral("works"),
                       {record(code, QStringLiteral("练习一"), notefield::encode(QStringLiteral("练习心得九个字符了"), code))});
    library.addRecords(QStringLiteral("study"), {record(QStringLiteral("205101110001"), QStringLiteral("已删除"), u"e"_s),
                                                 record(QStringLiteral("205101110002"), QStringLiteral("短备注"), u"1234567"_s),
                                                 record(QStringLiteral("205101110003"), QStringLiteral("长备注"), u"ab123404"_s)});
    auto db = library.open(DatabaseRole::Content);
    db->execute(QStringLiteral("update jszx set bz = ? where xxbh = '101210110003'"),
                {notefield::encode(QStringLiteral("模板的心得写在这里"), QStringLiteral("101210110003"))});
    db->execute(QStringLiteral("update jmzx set bz = ? where xxbh = '220121110001'"),
                {notefield::encode(QStringLiteral("界面的心得写在这里"), QStringLiteral("220121110001"))});

    notes.fillOnce();
    EXPECT_EQ(titles(), (QStringList{u"登录界面"_s, u"模板"_s, u"长备注"_s, u"练习一"_s}));
    EXPECT_EQ(notes.entries()[1].code, QStringLiteral("101210110003"));
    EXPECT_EQ(notes.entries()[2].code, QStringLiteral("1234"));  // an ordinary remark decodes literally

    // Filled once per run: a note written behind its back is not added again.
    db->execute(QStringLiteral("update jszx set bz = ? where xxbh = '101210110004'"),
                {notefield::encode(QStringLiteral("异常的心得写在这里"), QStringLiteral("101210110004"))});
    notes.fillOnce();
    EXPECT_EQ(notes.entries().size(), 4u);
}

TEST_F(LearningNotesTest, ChoosingShowsTheNoteAndTheRecordToOpen)
{
    ASSERT_TRUE(notes.save(QStringLiteral("线程池要记得关闭。"), QStringLiteral("m101221110001"),
                           QStringLiteral("线程池实例")));
    const auto shown = notes.choose(0);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("线程池实例"));
    EXPECT_EQ(shown->text, QStringLiteral("线程池要记得关闭。"));
    EXPECT_EQ(shown->code, QStringLiteral("101221110001"));

    library.open(DatabaseRole::Content)->execute(QStringLiteral("delete from slzx"));
    prompter.messages.clear();
    EXPECT_FALSE(notes.choose(0).has_value());
    EXPECT_EQ(prompter.messages, QStringList{LearningNotes::missingNoteMessage()});
}

TEST_F(LearningNotesTest, DeleteAsksThenLeavesE)
{
    ASSERT_TRUE(notes.save(QStringLiteral("引用不能重新绑定。"), QStringLiteral("m101210110002"), QStringLiteral("引用")));
    ASSERT_TRUE(notes.save(QStringLiteral("模板在头文件里定义。"), QStringLiteral("m101210110003"), QStringLiteral("模板")));
    prompter.messages.clear();

    EXPECT_FALSE(notes.remove(-1));
    EXPECT_EQ(prompter.messages, QStringList{LearningNotes::noSelectionMessage()});

    prompter.confirmAnswers = {false};
    EXPECT_FALSE(notes.remove(0));
    EXPECT_EQ(prompter.questions.last(), QStringLiteral("确实要删除心得吗 “引用” ?"));
    EXPECT_EQ(notes.entries().size(), 2u);

    prompter.confirmAnswers = {true};
    EXPECT_TRUE(notes.remove(0));
    EXPECT_EQ(bzOf(QStringLiteral("jszx"), QStringLiteral("101210110002")), QStringLiteral("e"));
    EXPECT_EQ(titles(), QStringList{u"模板"_s});
    EXPECT_EQ(notes.entries()[0].code, QStringLiteral("101210110003"));

    // "e" is neither listed nor shown.
    LearningNotes afterRestart(connection, prompter);
    afterRestart.fillOnce();
    ASSERT_EQ(afterRestart.entries().size(), 1u);
    const auto shown = afterRestart.noteOfRecord(QStringLiteral("101210110002"));
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("引用"));
    EXPECT_EQ(shown->text, QString());
}

TEST_F(LearningNotesTest, ANoteWhoseCodeIsUnreadableCanStillBeDeleted)
{
    library.addRecords(QStringLiteral("study"),
                       {record(QStringLiteral("205101110009"), QStringLiteral("旧备注"), u"remark without a code"_s)});
    notes.fillOnce();
    ASSERT_EQ(notes.entries().size(), 1u);
    EXPECT_EQ(notes.entries()[0].code, QString());
    prompter.confirmAnswers = {true};
    EXPECT_TRUE(notes.remove(0));
    EXPECT_EQ(bzOf(QStringLiteral("study"), QStringLiteral("205101110009")), QStringLiteral("e"));
}

TEST_F(LearningNotesTest, OpeningARecordShowsItsNoteWhenLongerThanEight)
{
    auto db = library.open(DatabaseRole::Content);
    db->execute(QStringLiteral("update jszx set bz = '12345678' where xxbh = '101210110004'"));
    db->execute(QStringLiteral("update jszx set bz = 'note text101' where xxbh = '101210110005'"));
    EXPECT_EQ(notes.noteOfRecord(QStringLiteral("101210110004"))->text, QString());
    EXPECT_EQ(notes.noteOfRecord(QStringLiteral("101210110005"))->text, QStringLiteral("note text"));
    EXPECT_EQ(notes.noteOfRecord(QStringLiteral("101210110005"))->title, QStringLiteral("Lambda"));
}

}  // namespace
}  // namespace kelvor
