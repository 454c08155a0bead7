#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvor::authoring {

// One programming topic with its example program: the raw material of the
// technology, example, solution and video centres.
struct Snippet {
    const char* key = "";            // ASCII name; also the source folder and player names
    const char* language = "";       // "C", "C++", "Java", "Python", "SQL", "JavaScript", "Shell", ...
    const char* fileName = "";       // name of the source file in the record's source folder
    const char* title = "";          // article title in the technology centre
    const char* exampleTitle = "";   // worked-example title; empty when the topic has no example
    const char* techKeywords = "";   // '|'-separated; the first is the record's main keyword
    const char* exampleKeyword = ""; // the record's example keyword
    const char* intro = "";          // paragraphs, one per line
    const char* task = "";           // the worked example's assignment
    const char* code = "";
    const char* output = "";         // what the program prints; may be empty
    const char* notes = "";          // paragraphs, one per line
};

// Snippets of one group share a catalogue folder.
struct TopicGroup {
    const char* name;
    std::vector<const char*> keys;
};

struct LanguageSection {
    const char* language;
    const char* techFolder;     // folder in the technology centre
    const char* exampleFolder;  // folder in the example centre; empty when the section has no examples
    const char* videoFolder;    // folder in the video centre
    const char* techLink;       // document folders under the library folder
    const char* exampleLink;
    const char* videoLink;
    const char* overview;       // paragraphs of the section's overview page
    std::vector<TopicGroup> groups;
};

const std::vector<Snippet>& cSnippets();
const std::vector<Snippet>& cppSnippets();
const std::vector<Snippet>& javaSnippets();
const std::vector<Snippet>& pythonSnippets();
const std::vector<Snippet>& sqlSnippets();
const std::vector<Snippet>& webSnippets();
const std::vector<Snippet>& toolSnippets();

const std::vector<LanguageSection>& languageSections();

// Throws AuthoringError for an unknown key.
const Snippet& snippetByKey(const QString& key);

// Field helpers: text as QString, code without its surrounding blank lines.
QString text(const char* utf8);
QString codeOf(const Snippet& s);
QStringList techKeywordsOf(const Snippet& s);

}  // namespace kelvor::authoring
