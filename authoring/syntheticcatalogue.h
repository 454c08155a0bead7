#pragma once

#include "library/schema.h"

#include <functional>

namespace kelvor::authoring {

// A large, made-up centre table for benchmarks: `count` records in code order,
// folders and documents at all four levels, spread over up to 89 level-1
// folders, with varied titles (Chinese and Latin words, mixed case). The same
// table and count always give the same records.
class SyntheticCatalogue {
public:
    SyntheticCatalogue(QString table, qint64 count);

    // Calls `sink` once per record, parents before their children.
    void generate(const std::function<void(const CentreRecord&)>& sink) const;

    // Records one centre can hold in this shape.
    static qint64 capacity();

private:
    QString m_table;
    QString m_prefix;
    qint64 m_count;
};

// The six centres of the search page with their share of `total` records.
std::vector<std::pair<QString, qint64>> syntheticShares(qint64 total);

}  // namespace kelvor::authoring
