#pragma once

#include "catalogue.h"
#include "documentpage.h"
#include "librarycontent.h"

#include <QImage>

namespace kelvor::authoring {

// Fields of a document record besides its code, title and text.
struct DocumentFields {
    QString link{};                   // folder of the document file under the library folder
    QString jbmc{};                   // main technology keyword
    QString jbnr{};                   // main example keyword
    QString nycd{};                   // source folder name
    QString bb{};                     // learning-video player name
    QStringList techKeywordLinks{};   // rows for the technology keyword database
    QStringList exampleKeywordLinks{};// rows for the example keyword database
};

// Builds one centre table of a library: gives out codes, keeps the records in
// code order and puts each document's file and keyword links into the content.
// The records reach the content when finish() is called.
class CentreAuthor {
public:
    CentreAuthor(LibraryContent& content, const QString& table);
    CentreAuthor(const CentreAuthor&) = delete;
    CentreAuthor& operator=(const CentreAuthor&) = delete;

    QString folder(const QString& parent, const QString& name);
    // An empty folder kept for material still being written, as the library's
    // editors do; it gives the deepest level folders as well as documents.
    QString comingSoonFolder(const QString& parent);
    // An .htm document.
    QString page(const QString& parent, const DocumentPage& page, const DocumentFields& fields);
    // A .jpg document (interface centre).
    QString picture(const QString& parent, const QString& title, const QString& mark, const QImage& image,
                    const DocumentFields& fields);
    // An .exe document (video centre): a program that is started, not shown.
    QString player(const QString& parent, const QString& title, const QString& mark, const QByteArray& program,
                   const DocumentFields& fields);

    // Moves the records into the content, in code order.
    void finish();

private:
    QString addDocument(const QString& parent, const QString& title, const QString& mark, const QString& extension,
                        const QByteArray& bytes, bool executable, bool hasSource, const DocumentFields& fields);

    LibraryContent& m_content;
    QString m_table;
    CatalogueBuilder m_catalogue;
    bool m_finished = false;
};

}  // namespace kelvor::authoring
