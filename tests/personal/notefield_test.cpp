#include "personal/notefield.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

TEST(NoteField, EncodesTextCodeAndTwoDigitLength)
{
    EXPECT_EQ(notefield::encode(QStringLiteral("看懂了指针的用法"), QStringLiteral("101210110001")),
              QStringLiteral("看懂了指针的用法10121011000112"));
    EXPECT_EQ(notefield::encode(QStringLiteral("note"), QStringLiteral("1234567")), QStringLiteral("note123456707"));
}

TEST(NoteField, DecodesWellFormedAndOddValues)
{
    struct Case {
        const char* bz;
        const char* note;
        const char* code;
    };
    const Case cases[] = {
        {"看懂了指针的用法10121011000112", "看懂了指针的用法", "101210110001"},
        {"101210110001" "12", "", "101210110001"},       // a note of no text
        {"ordinary remark 12", "ordi", "nary remark "}, // a remark ending in digits follows the rule literally
        {"e", "e", ""},                                   // a deleted note
        {"", "", ""},
        {"7", "7", ""},
        {"remark without digits", "remark without digits", ""},
        {"remark ending 1x", "remark ending 1x", ""},     // only one trailing digit
        {"short99", "short99", ""},                      // length longer than the text before it
        {"abc03", "", "abc"},                             // length equal to what precedes it
        {"ab-1", "ab-1", ""},
        {"数据１２", "数据１２", ""},                       // full-width digits are not the format
    };
    for (const Case& c : cases) {
        const auto d = notefield::decode(QString::fromUtf8(c.bz));
        EXPECT_EQ(d.note, QString::fromUtf8(c.note)) << c.bz;
        EXPECT_EQ(d.code, QString::fromUtf8(c.code)) << c.bz;
    }
}

TEST(NoteField, RoundTrips)
{
    const QString note = QStringLiteral("带参数的装饰器是三层函数 12");
    const QString code = QStringLiteral("1012211100020003");
    const auto d = notefield::decode(notefield::encode(note, code));
    EXPECT_EQ(d.note, note);
    EXPECT_EQ(d.code, code);
}

}  // namespace
}  // namespace kelvor
