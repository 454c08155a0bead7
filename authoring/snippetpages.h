#pragma once

#include "documentpage.h"
#include "librarycontent.h"
#include "snippets.h"

namespace kelvor::authoring {

// The technology centre's article on a snippet's topic.
DocumentPage snippetArticle(const Snippet& s);
// The example centre's worked example built on the snippet.
DocumentPage snippetExample(const Snippet& s);
// Adds the snippet's teaching (introduction, code, output, notes) to a page.
void addSnippetBody(DocumentPage& page, const Snippet& s);

// Source folders (`nycd`) under kelvor/4629056127/ hold the programs of the
// documents as files. They are UTF-8, as their README says.
struct SourceFile {
    QString name;
    QString text;
};
void addSourceFolder(LibraryContent& content, const QString& nycd, const QString& title,
                     const QList<SourceFile>& files);
void addSnippetSourceFolder(LibraryContent& content, const Snippet& s);

// The demo library holds no real video: a player is a small shell script
// that names the lesson it stands for.
QByteArray playerProgram(const QString& title);
// A learning-video player (`bb`) under kelvor/1367490231/.
void addLearningVideo(LibraryContent& content, const QString& bb, const QString& title);

}  // namespace kelvor::authoring
