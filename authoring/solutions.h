#pragma once

#include <vector>

namespace kelvor::authoring {

struct SolutionApproach {
    const char* snippetKey;  // the technique, explained with code in the technology centre
    const char* name;
    const char* reason;      // why this approach fits the problem
    const char* pros;
    const char* cons;
};

// A problem of the solution centre with competing approaches.
struct Solution {
    const char* title;
    const char* category;
    const char* link;
    const char* keyword;        // the records' example keyword
    const char* problem;        // paragraphs, one per line
    std::vector<SolutionApproach> approaches;  // three: the last goes under "备选方案"
    const char* recommendation; // paragraphs
};

const std::vector<Solution>& solutions();
const std::vector<const char*>& solutionCategories();

}  // namespace kelvor::authoring
