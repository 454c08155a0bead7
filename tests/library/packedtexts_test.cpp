#include "library/packedtexts.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvor {
namespace {

// Texts of every shape a title or code takes: each must come back exactly,
// in its place, whatever its neighbours.
std::vector<QString> awkwardTexts()
{
    return {
        QString(),                                   // a record without a title
        QStringLiteral(""),
        QStringLiteral("101210350001"),              // a code
        QStringLiteral("Java 基础"),
        QStringLiteral("𠀀𠀁 古字"),                   // beyond the BMP, leading
        QStringLiteral("表情😀"),                     // beyond the BMP, trailing
        QStringLiteral("ＡＢＣ全角"),
        QString(QChar(0xFEFF)) + QStringLiteral("BOM first"),
        QStringLiteral("a") + QChar(0) + QStringLiteral("b"),  // an embedded NUL
        QStringLiteral("  spaces kept  "),
        QString(5000, QChar(u'长')),
    };
}

TEST(PackedTexts, EveryTextComesBackInItsPlace)
{
    const std::vector<QString> texts = awkwardTexts();
    PackedTexts packed;
    for (int round = 0; round < 3; ++round)
        for (const QString& t : texts) packed.append(t);
    ASSERT_EQ(packed.size(), qsizetype(texts.size() * 3));
    for (qsizetype i = 0; i < packed.size(); ++i) {
        const QString& expected = texts[size_t(i) % texts.size()];
        EXPECT_EQ(packed.at(i), expected) << i;
        EXPECT_EQ(packed.utf8At(i), expected.toUtf8()) << i;
    }
}

TEST(PackedTexts, RemovingTheLastTextLeavesTheOthersAndTakesANewOne)
{
    const std::vector<QString> texts = awkwardTexts();
    PackedTexts packed;
    packed.removeLast();  // nothing to drop
    EXPECT_TRUE(packed.isEmpty());
    for (const QString& t : texts) {
        packed.append(t);
        packed.append(QStringLiteral("to be dropped 𠀀"));
        packed.removeLast();
    }
    ASSERT_EQ(packed.size(), qsizetype(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(packed.at(qsizetype(i)), texts[i]) << i;
    while (!packed.isEmpty()) packed.removeLast();
    packed.append(QStringLiteral("again"));
    EXPECT_EQ(packed.at(0), QStringLiteral("again"));
    packed.clear();
    EXPECT_EQ(packed.size(), 0);
}

}  // namespace
}  // namespace kelvor
