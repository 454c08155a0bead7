#pragma once

#include "cataloguemodel.h"
#include "recordopener.h"

namespace kelvor {

// A click on node `node` of the catalogue: the node folds or unfolds, becomes
// the current node, and a record node opens its record. True when a record
// was opened; otherwise the caller clears the keyword state instead.
bool nodeClick(CatalogueModel& model, int node, RecordOpener& opener);

}  // namespace kelvor
