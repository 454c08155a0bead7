#pragma once

#include "cataloguetree.h"

namespace kelvor {

// One tick of automatic scrolling: pages of more than 100 elements scroll by
// a step that grows 30 pixels a tick, until the step exceeds twice the
// element count; smaller pages stop at once.
struct AutoScrollTick {
    int position = 0;    // the new auto-scroll position
    bool scroll = false; // scroll the page by `position` pixels
    bool stop = false;   // stop the reading timer
};
AutoScrollTick autoScrollTick(int elementCount, int position);

// One tick of automatic execution: into a folder's first child, else on to
// the next sibling, and open it; at the end of a branch open nothing and move
// behind the nearest ancestor that has a next sibling.
struct ExecutionTick {
    int selected = -1;  // the node to select (unchanged at the end of the tree)
    bool open = false;  // open the selected node's record
};
ExecutionTick automaticExecutionTick(const CatalogueTree& tree, int selected);

}  // namespace kelvor
