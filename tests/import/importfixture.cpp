#include "importfixture.h"

#include "library/gbk.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <sqlite3.h>

#include <stdexcept>

namespace kelvor::test {

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a fixture file");
}

QByteArray pngPicture()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

FixtureHtmlFolder::FixtureHtmlFolder()
{
    write(QStringLiteral("index.html"), R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Fixture Docs - Example Site</title>
<link rel="stylesheet" href="css/site.css"><script>var hidden = "SCRIPTTEXT";</script></head>
<body class="site-navbar"><nav>NAVTEXT <a href="index.html">Home</a></nav><div class="t-navbar">BARTEXT</div>
<h1>Welcome</h1>
<p>Read the <a href="guide/intro.html">introduction</a> and its <a href="guide/intro.html#setup">setup</a>,
or the <a href="https://example.org/docs">web site</a> or <a href="#top">top</a>.</p>
<img src="img/logo.png" alt="logo">
</body></html>
)");
    write(QStringLiteral("guide/intro.html"), R"(<html><head><meta charset="utf-8"><title>Intro - Example Site</title></head>
<body><h1>Intro</h1>
<pre class="code">
int main() {
    return 0;  // 中 &lt;end&gt;
}
</pre>
<h2 id="setup">Setup</h2><p>Back to <a href="../index.html">the start</a>; <a href="../nothere.html">gone</a>.</p>
</body></html>
)");
    write(QStringLiteral("guide/deep/a/b/c.html"),
          "<html><head><title>C page - Example Site</title></head><body><p>Deep text "
          "<a href=\"../../../../alias.html\">home</a></p></body></html>\n");
    write(QStringLiteral("中文/页面 一.html"), R"(<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>中文页面 - Example Site</title></head><body><p>你好，世界</p></body></html>
)");
    write(QStringLiteral("nocharset.html"),
          gbk::encode(QStringLiteral("<html><head><title>无声明 - Example Site</title></head>"
                                     "<body><p>简体中文页面</p></body></html>\n")));
    write(QStringLiteral("broken.html"),
          "<html><title>Broken - Example Site</title><body><p>unclosed <b>bold <div>text <a href='guide/intro.html'>x");
    write(QStringLiteral("binary.html"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    write(QStringLiteral("css/site.css"), "body { background: url(../img/logo.png); }\n");
    // Links: one to a page of the folder, one to a file outside it.
    QFile::link(path() + QStringLiteral("/index.html"), path() + QStringLiteral("/alias.html"));
    write(QStringLiteral("../secret.html"), "<html><title>Secret</title></html>");
    QFile::link(path() + QStringLiteral("/../secret.html"), path() + QStringLiteral("/outside.html"));
    // A page too large to take in.
    QFile huge(path() + QStringLiteral("/huge.html"));
    if (!huge.open(QIODevice::WriteOnly) || !huge.resize(21 * 1024 * 1024)) throw std::runtime_error("cannot size");
    write(QStringLiteral("img/logo.png"), pngPicture());
}

void FixtureHtmlFolder::write(const QString& relativePath, const QByteArray& bytes) const
{
    writeBytes(path() + QLatin1Char('/') + relativePath, bytes);
}

void FixtureHtmlFolder::remove(const QString& relativePath) const
{
    QFile::remove(path() + QLatin1Char('/') + relativePath);
}

FixtureDocset::FixtureDocset()
{
    const QString contents = path() + QStringLiteral("/Contents");
    writeBytes(contents + QStringLiteral("/Info.plist"), R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>CFBundleIdentifier</key><string>fixture</string>
<key>CFBundleName</key><string>Fixture Kit</string>
</dict></plist>
)");
    const QString documents = contents + QStringLiteral("/Resources/Documents");
    writeBytes(documents + QStringLiteral("/alpha.html"),
               "<html><head><title>Alpha class</title></head><body><h1>Alpha</h1>"
               "<div class=\"fragment\"><div class=\"line\">alpha.run();</div><div class=\"line\">  done();</div></div>"
               "<h2 id=\"run\">run</h2><a href=\"beta.html\">Beta</a></body></html>");
    writeBytes(documents + QStringLiteral("/beta.html"),
               "<html><head><title>Beta class</title></head><body><p>Beta text</p></body></html>");
    writeBytes(documents + QStringLiteral("/other.html"),
               "<html><head><title>Other page</title></head><body><p>Other text</p></body></html>");

    const QString index = contents + QStringLiteral("/Resources/docSet.dsidx");
    sqlite3* db = nullptr;
    if (sqlite3_open(index.toUtf8().constData(), &db) != SQLITE_OK) throw std::runtime_error("cannot create dsidx");
    const char* sql =
        "create table searchIndex(id integer primary key, name text, type text, path text);"
        "insert into searchIndex(name, type, path) values ('Beta', 'Class', 'beta.html');"
        "insert into searchIndex(name, type, path) values ('Alpha', 'Class', 'alpha.html');"
        "insert into searchIndex(name, type, path) values ('Alpha::run', 'Method', "
        "'<dash_entry_name=run>alpha.html#run');"
        "insert into searchIndex(name, type, path) values ('Ghost', 'Class', 'ghost.html');"
        "insert into searchIndex(name, type, path) values ('Web', 'Guide', 'https://example.org/x.html');"
        "insert into searchIndex(name, type, path) values ('Evil''); drop table searchIndex; --', 'Class', "
        "'beta.html');";
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot fill dsidx");
}

std::map<QString, QByteArray> filesUnder(const QString& root)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files[path.mid(root.size() + 1)] = file.readAll();
    }
    return files;
}

}  // namespace kelvor::test
