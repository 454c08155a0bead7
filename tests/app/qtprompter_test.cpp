#include "app/qtprompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

// Watches for the next modal box and lets `answer` close it; the box's own
// event loop runs meanwhile. Gives up after a few seconds.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(QDialog*)> answer) : m_answer(std::move(answer))
    {
        m_deadline = QDeadlineTimer(5000);
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (m_deadline.hasExpired()) m_poll.stop();
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            m_poll.stop();
            ++opened;
            title = dialog->windowTitle();
            m_answer(dialog);
        });
        m_poll.start();
    }
    int opened = 0;
    QString title;

private:
    std::function<void(QDialog*)> m_answer;
    QTimer m_poll;
    QDeadlineTimer m_deadline;
};

TEST(QtPrompterTest, MessageBoxHasNoTitleAndShowsTheText)
{
    QtPrompter prompter;
    QString text;
    DialogAnswerer answerer([&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        text = box->text();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->accept();
    });

    prompter.message(QStringLiteral("数据库连接错误！！！"));

    EXPECT_EQ(answerer.opened, 1);
    EXPECT_TRUE(answerer.title.isEmpty());
    EXPECT_EQ(text, QStringLiteral("数据库连接错误！！！"));
}

TEST(QtPrompterTest, ConfirmAnswersTheButtonPressed)
{
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        QtPrompter prompter;
        DialogAnswerer answerer([&](QDialog* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            box->button(button)->click();
        });
        EXPECT_EQ(prompter.confirm(QStringLiteral("是否删除？")), button == QMessageBox::Yes);
        EXPECT_TRUE(answerer.title.isEmpty());
    }
}

struct InputCase {
    const char* name;
    QString title;          // as passed to input()
    bool accept;
    QString expectedTitle;
    std::optional<QString> expectedAnswer;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

class QtPrompterInputTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(QtPrompterInputTest, InputBox)
{
    const InputCase& c = GetParam();
    QtPrompter prompter;
    QString initial;
    DialogAnswerer answerer([&](QDialog* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        initial = input->textValue();
        input->setTextValue(QStringLiteral("typed"));
        c.accept ? input->accept() : input->reject();
    });

    const auto answer = prompter.input(QStringLiteral("请输入名称"), QStringLiteral("start"), c.title);

    EXPECT_EQ(answerer.title, c.expectedTitle);
    EXPECT_EQ(initial, u"start"_s);
    EXPECT_EQ(answer, c.expectedAnswer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtPrompterInputTest,
    ::testing::Values(InputCase{"DefaultTitle", {}, true, QStringLiteral("澄溪宸笺"), QStringLiteral("typed")},
                      InputCase{"OwnTitle", QStringLiteral("收藏"), true, QStringLiteral("收藏"), QStringLiteral("typed")},
                      InputCase{"Cancelled", {}, false, QStringLiteral("澄溪宸笺"), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtPrompterTest, UnattendedNeverOpensABoxAndDeclines)
{
    QtPrompter prompter(QtPrompter::Mode::Unattended);
    DialogAnswerer answerer([](QDialog* dialog) { dialog->reject(); });

    prompter.message(QStringLiteral("数据库连接错误！！！"));
    EXPECT_FALSE(prompter.confirm(QStringLiteral("是否删除？")));
    EXPECT_EQ(prompter.input(QStringLiteral("请输入名称")), std::nullopt);

    EXPECT_EQ(answerer.opened, 0);
}

}  // namespace
