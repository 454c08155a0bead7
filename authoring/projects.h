#pragma once

#include <vector>

namespace kelvor::authoring {

struct ProjectTable {
    const char* name;
    const char* comment;
    const char* columns;  // one "definition|comment" per line
};

// A complete project of the project centre.
struct Project {
    const char* key;
    const char* name;
    const char* category;
    const char* language;        // also the record's technology keyword
    const char* exampleKeyword;
    const char* link;
    const char* summary;         // paragraphs, one per line
    const char* features;        // '|'-separated
    std::vector<ProjectTable> tables;
    const char* coreTitle;
    const char* coreFile;
    const char* coreCode;
    const char* coreNotes;       // paragraphs
    const char* coreOutput;      // may be empty
    std::vector<const char*> snippetKeys;  // techniques explained in the technology centre
    const char* buildCommands;
    const char* testCases;       // '|'-separated pairs: case|expected
};

const std::vector<Project>& projects();
// Categories in catalogue order.
const std::vector<const char*>& projectCategories();

}  // namespace kelvor::authoring
