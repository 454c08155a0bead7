#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvor::authoring {

struct ProjectTable {
    QString name;
    QString comment;
    QString columns;  // one "definition|comment" per line
};

// A complete project of the project centre.
struct Project {
    QString key;
    QString name;
    QString category;
    QString language;        // also the record's technology keyword
    QString exampleKeyword;
    QString link;
    QString summary;         // paragraphs, one per line
    QString features;        // '|'-separated
    std::vector<ProjectTable> tables;
    QString coreTitle;
    QString coreFile;
    QString coreCode;
    QString coreNotes;       // paragraphs
    QString coreOutput;      // may be empty
    QStringList snippetKeys; // techniques explained in the technology centre
    QString buildCommands;
    QString testCases;       // '|'-separated pairs: case|expected
};

struct ProjectContent {
    QStringList categories;  // in catalogue order
    std::vector<Project> projects;
};

// The projects kept as files. Under `root`:
//   projects/index.json            the categories and the project keys, in catalogue order
//   projects/<key>/project.json    a project's texts, tables and test cases
//   projects/<key>/<coreFile>      its core source file
//   projects/<key>/output.txt      what the core program prints (absent when nothing)
// Throws AuthoringError naming the file and the field on a malformed entry.
ProjectContent readProjects(const QString& root);

// The built-in projects, read once.
const std::vector<Project>& projects();
const QStringList& projectCategories();

}  // namespace kelvor::authoring
