#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvor::authoring {

struct SolutionApproach {
    QString snippetKey;  // the technique, explained with code in the technology centre
    QString name;
    QString reason;      // why this approach fits the problem
    QString pros;
    QString cons;
};

// A problem of the solution centre with competing approaches.
struct Solution {
    QString title;
    QString category;
    QString link;
    QString keyword;         // the records' example keyword
    QString problem;         // paragraphs, one per line
    std::vector<SolutionApproach> approaches;  // three: the last goes under "备选方案"
    QString recommendation;  // paragraphs
};

struct SolutionContent {
    QStringList categories;  // in catalogue order
    std::vector<Solution> solutions;
};

// The solutions kept as files. Under `root`:
//   solutions/index.json             the categories and the solution folders, in catalogue order
//   solutions/<key>/solution.json    a problem, its three approaches and the recommendation
// Throws AuthoringError naming the file and the field on a malformed entry.
SolutionContent readSolutions(const QString& root);

// The built-in solutions, read once.
const std::vector<Solution>& solutions();
const QStringList& solutionCategories();

}  // namespace kelvor::authoring
