#include "viewer/pageencoding.h"

#include "library/gbk.h"
#include "pagewait.h"

#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

TEST(PageEncoding, aPageNamesItsEncodingByByteOrderMarkOrMetaCharsetBeforeTheBody)
{
    const struct {
        QByteArray html;
        bool declared;
    } cases[] = {
        {"<html><body><p>text</p></body></html>", false},
        {"<html><head><meta charset=\"utf-8\"></head><body></body></html>", true},
        {"<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=gb2312\"></HEAD>", true},
        {"<meta charset=big5><p>x", true},
        {"\xEF\xBB\xBF<p>x</p>", true},
        {"<html><body><meta charset=\"utf-8\"></body></html>", false},
        {"<head><meta name=\"keywords\" content=\"charset, encoding\"></head>", false},
    };
    for (const auto& c : cases) EXPECT_EQ(declaresEncoding(c.html), c.declared) << c.html.toStdString();
}

TEST(PageEncoding, onlyReadableHtmlPagesWithoutEncodingAreHandedOverAsGbk)
{
    QTemporaryDir dir;
    const QByteArray page = gbk::encode(QStringLiteral("<p>中文</p>"));
    const QString htm = test::writeFixture(dir.path() + "/a.htm", page);
    const QString html = test::writeFixture(dir.path() + "/b.HTML", page);
    const QString jpg = test::writeFixture(dir.path() + "/c.jpg", page);
    const QString declared = test::writeFixture(dir.path() + "/d.htm", "<meta charset=utf-8><p>x</p>");
    const QString huge = test::writeFixture(dir.path() + "/e.htm", QByteArray(3 * 1024 * 1024, 'x'));

    EXPECT_EQ(undeclaredGbkPage(htm), page);
    EXPECT_EQ(undeclaredGbkPage(html), page);
    EXPECT_FALSE(undeclaredGbkPage(jpg));
    EXPECT_FALSE(undeclaredGbkPage(declared));
    EXPECT_FALSE(undeclaredGbkPage(huge));
    EXPECT_FALSE(undeclaredGbkPage(dir.path() + "/missing.htm"));
    EXPECT_FALSE(undeclaredGbkPage(dir.path()));
}

}  // namespace
}  // namespace kelvor
