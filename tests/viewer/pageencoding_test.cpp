#include "viewer/pageencoding.h"

#include "library/gbk.h"
#include "pagewait.h"

#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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

TEST(PageEncoding, utf8ScanRejectsMalformedSequencesAndTellsTwoByteFromWide)
{
    const struct {
        QByteArray bytes;
        bool valid, twoByte, wide;
    } cases[] = {
        {"", true, false, false},
        {"plain ascii", true, false, false},
        {QStringLiteral("中文 and 𝄞").toUtf8(), true, false, true},
        {QStringLiteral("café").toUtf8(), true, true, false},
        {gbk::encode(QStringLiteral("说")), true, true, false},  // CB B5 reads as U+02F5
        {gbk::encode(QStringLiteral("中文")), false, false, false},
        {"\xC0\xAF", false, false, false},          // overlong '/'
        {"\xED\xA0\x80", false, false, false},      // a surrogate
        {"\xF4\x90\x80\x80", false, false, false}, // past U+10FFFF
        {"\xE4\xB8", false, false, false},          // cut short at the end
        {"\xE4\x41\xAD", false, false, false},      // a trail byte missing
    };
    for (const auto& c : cases) {
        const Utf8Scan scan = scanUtf8(c.bytes);
        EXPECT_EQ(scan.valid, c.valid) << c.bytes.toHex().toStdString();
        if (c.valid) {
            EXPECT_EQ(std::pair(scan.twoByte, scan.wide), std::pair(c.twoByte, c.wide)) << c.bytes.toHex().toStdString();
        }
    }
}

TEST(PageEncoding, aPageKeepsItsDeclaredEncodingElseUtf8WhenValidElseGbk)
{
    QTemporaryDir dir;
    // One GBK word whose bytes happen to be valid UTF-8 would fool a
    // guesser that looks at a few kilobytes; the check reads the whole page.
    QByteArray lateGbk(3 * 1024 * 1024, 'x');
    lateGbk += gbk::encode(QStringLiteral("说明"));
    QByteArray lateUtf8(3 * 1024 * 1024, 'x');
    lateUtf8 += QStringLiteral("说明").toUtf8();
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray charset;
    } cases[] = {
        {"declared.htm", "<meta charset=big5><p>x</p>", ""},
        {"bom.htm", "\xEF\xBB\xBF<p>x</p>", ""},
        {"gbk.htm", gbk::encode(QStringLiteral("<p>中文</p>")), "GBK"},
        {"utf8.htm", QStringLiteral("<p>中文</p>").toUtf8(), "UTF-8"},
        {"ascii.htm", "<p>int x;</p>", "UTF-8"},
        {"gbk-reads-as-utf8.htm", gbk::encode(QStringLiteral("<p>int total = 0; // 说</p>")), "GBK"},
        {"empty.htm", "", "UTF-8"},
        {"late-gbk.htm", lateGbk, "GBK"},
        {"late-utf8.htm", lateUtf8, "UTF-8"},
    };
    for (const auto& c : cases) {
        const QString path = test::writeFixture(dir.path() + u"/"_s + QString::fromLatin1(c.name), c.bytes);
        EXPECT_EQ(pageCharset(path), c.charset) << c.name;
    }
    EXPECT_EQ(pageCharset(dir.path() + u"/missing.htm"_s), "GBK");
}

}  // namespace
}  // namespace kelvor
