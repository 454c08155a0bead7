#include "readingaids.h"

#include "treenavigation.h"

namespace kelvor {

namespace {

constexpr int kScrollElementsAtLeast = 101;
constexpr int kScrollGrowth = 30;
constexpr int kLongestClimb = 5000;

}  // namespace

AutoScrollTick autoScrollTick(int elementCount, int position)
{
    if (elementCount < kScrollElementsAtLeast) return {position, false, true};
    const int next = position + kScrollGrowth;
    return {next, true, 2 * elementCount < next};
}

ExecutionTick automaticExecutionTick(const CatalogueTree& tree, int selected)
{
    if (!tree.contains(selected)) return {selected, false};
    if (const int child = tree.firstChild(selected); child >= 0) return {child, true};
    if (const int next = tree.nextSibling(selected); next >= 0) return {next, true};
    for (int k = 0; k <= kLongestClimb; ++k)
        if (const auto after = nextNodeAfterAncestor(tree, selected, k)) return {*after, false};
    return {selected, false};
}

}  // namespace kelvor
