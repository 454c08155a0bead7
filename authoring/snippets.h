#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvor::authoring {

// One programming topic with its example program: the raw material of the
// technology, example, solution and video centres. Read from the topic's
// folder under content/topics (see topicfiles.h).
struct Snippet {
    QString key;             // ASCII name; also the source folder and player names
    QString language;        // "C", "C++", "Java", "Python", "SQL", "JavaScript", "Shell", ...
    QString fileName;        // name of the source file in the record's source folder
    QString title;           // article title in the technology centre
    QString exampleTitle;    // worked-example title; empty when the topic has no example
    QStringList techKeywords;  // the first is the record's main keyword
    QString exampleKeyword;  // the record's example keyword
    QString intro;           // paragraphs, one per line
    QString task;            // the worked example's assignment
    QString code;            // the source file, without surrounding blank lines
    QString output;          // what the program prints; may be empty
    QString notes;           // paragraphs, one per line
    // Why the program prints something else on another machine or without
    // outside resources; empty when its output is always `output`.
    QString outputDependsOn;
};

// Snippets of one group share a catalogue folder.
struct TopicGroup {
    QString name;
    QStringList keys;
};

struct LanguageSection {
    QString language;
    QString techFolder;     // folder in the technology centre
    QString exampleFolder;  // folder in the example centre; empty when the section has no examples
    QString videoFolder;    // folder in the video centre
    QString techLink;       // document folders under the library folder
    QString exampleLink;
    QString videoLink;
    QString overview;       // paragraphs of the section's overview page
    std::vector<TopicGroup> groups;
};

// The topics and sections compiled into the tool, read on first use.
const std::vector<Snippet>& snippets();
const std::vector<LanguageSection>& languageSections();

// Throws AuthoringError for an unknown key.
const Snippet& snippetByKey(const QString& key);

}  // namespace kelvor::authoring
