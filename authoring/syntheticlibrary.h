#pragma once

#include <QString>

#include <functional>

namespace kelvor::authoring {

using ProgressReport = std::function<void(const QString& line)>;

// `kelvor-library demo DIR --records N`: a library of N made-up records spread
// over the six centres of the search page, plus small learning trees, for
// benchmarks. No document files are written.
void writeSyntheticLibrary(const QString& dataRoot, qint64 records, const ProgressReport& progress = {});

}  // namespace kelvor::authoring
