#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvor::authoring {

// A document of the library: an HTML page in the Chinese code page whose first
// text line is its title (favourites and notes compare it with the record's
// name). Source code goes into `<p class=a2>` paragraphs, one source line per
// file line, so that the viewer's line-by-line source extraction finds them;
// console output and commands go into `<p class=a3>`.
class DocumentPage {
public:
    explicit DocumentPage(QString title);

    void addHeading(const QString& text);
    // One paragraph per line of `text`.
    void addParagraphs(const QString& text);
    void addList(const QStringList& items);
    void addTable(const QStringList& header, const QList<QStringList>& rows);
    void addSource(const QString& code);
    void addConsole(const QString& text);
    void addKeywords(const QStringList& keywords);

    const QString& title() const { return m_title; }
    bool hasSource() const { return m_hasSource; }
    QString html() const;
    // The page's prose (no code) for the record's searchable `mark` field.
    QString searchText() const;

private:
    void addSourceParagraph(const QString& cssClass, const QString& text);

    QString m_title;
    QStringList m_body;
    QStringList m_prose;
    bool m_hasSource = false;
};

// HTML-escapes plain text.
QString escapeHtml(const QString& text);

}  // namespace kelvor::authoring
