#pragma once

#include <QString>

#include <vector>

namespace kelvor::importing {

// One entry of an imported catalogue before it has codes: a folder, or a
// document that shows a page (or a place in a page).
struct ImportNode {
    bool folder = false;
    QString title;        // folders: their name; documents: a fixed title, or empty to take the page's
    int page = -1;        // documents: index of the page they show
    QString anchor;       // documents: the place in the page ("" for its top)
    int titlePage = -1;   // folders: a page whose title names the folder (x.html beside x/)
    QString foldedPath;   // documents moved up from deeper folders: where they came from
    std::vector<ImportNode> children;
};

// What arranging a tree had to change to fit the code scheme.
struct ArrangeReport {
    int foldedFolders = 0;  // folders too deep, their documents moved up
    int splitFolders = 0;   // folders with more entries than a level holds
};

// Record codes: level 1 has two digits, each deeper level four, down to level 4.
inline constexpr int kDeepestLevel = 4;
inline constexpr int kEntriesPerFolder = 9999;

// Makes the tree under `root` (a level-1 folder) fit the code scheme: folders
// below level 3 are folded into their level-3 ancestor (their sub-path kept
// with each document), and a folder with more than 9 999 entries hands them
// to numbered sub-folders. Throws ImportError when the tree cannot fit.
ArrangeReport arrangeForCodes(ImportNode& root);

// The code of every node, in depth-first order, starting from `rootCode`.
struct CodedNode {
    const ImportNode* node;
    QString code;
};
std::vector<CodedNode> assignCodes(const ImportNode& root, const QString& rootCode);

}  // namespace kelvor::importing
