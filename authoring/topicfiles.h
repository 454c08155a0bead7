#pragma once

#include "snippets.h"

namespace kelvor::authoring {

// The demo content kept as files. Under `root`:
//   sections.json          the language sections and their topic groups
//   topics/<key>/topic.json  a topic's texts and keywords
//   topics/<key>/<file>      its program, named by topic.json's "file"
//   topics/<key>/output.txt  what the program prints (absent when nothing)
// Both throw AuthoringError naming the file and the field on a malformed
// entry, so a slip in the content stops the tool instead of writing a
// library with a hole in it.
std::vector<Snippet> readTopics(const QString& root);
std::vector<LanguageSection> readSections(const QString& root, const std::vector<Snippet>& topics);

// Where the content is compiled in.
QString builtInContentRoot();

}  // namespace kelvor::authoring
