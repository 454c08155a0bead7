#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>

namespace kelvor::test {

// A small documentation folder: nested folders, a code block, relative and
// anchor links, a style sheet and a picture, a Chinese UTF-8 page, a GBK page
// without a declared encoding, a broken page, a file that is no page, a page
// over 20 MB, and links to a page inside and to a file outside the folder.
class FixtureHtmlFolder {
public:
    FixtureHtmlFolder();
    QString path() const { return m_dir.path() + QStringLiteral("/docs"); }
    void write(const QString& relativePath, const QByteArray& bytes) const;
    void remove(const QString& relativePath) const;

private:
    QTemporaryDir m_dir;
};

// A small docset written with its SQLite index: entries of two types, one
// naming a place in a page, one naming a page that is not there, one on the
// web, and a page no entry names.
class FixtureDocset {
public:
    FixtureDocset();
    QString path() const { return m_dir.path() + QStringLiteral("/Fixture.docset"); }

private:
    QTemporaryDir m_dir;
};

// Every regular file under `root` (relative path -> bytes), to tell that a
// library was left exactly as it was.
std::map<QString, QByteArray> filesUnder(const QString& root);

}  // namespace kelvor::test
