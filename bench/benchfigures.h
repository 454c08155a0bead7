#pragma once

#include "library/centres.h"
#include "library/database.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace kelvor::bench {

// Runs `work` once per benchmark iteration and reports, on the same line,
// its median time, the target it must meet, and its floor: the median of
// `floor` (the bare query that returns the same rows, no list built) measured
// in the same run, since these machines vary by up to 2x between runs.
inline double medianMs(std::vector<double> ms)
{
    if (ms.empty()) return 0;
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

inline void measureAgainstFloor(benchmark::State& state, double targetMs, const std::function<size_t()>& work,
                                const std::function<size_t()>& floor)
{
    std::vector<double> times;
    size_t rows = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        rows = work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        benchmark::DoNotOptimize(rows);
    }
    std::vector<double> floorTimes;
    size_t floorRows = 0;
    for (size_t i = 0; i < std::max<size_t>(5, std::min<size_t>(times.size(), 15)); ++i) {
        QElapsedTimer timer;
        timer.start();
        floorRows = floor();
        floorTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    state.counters["rows"] = double(rows);
    state.counters["median_ms"] = medianMs(times);
    state.counters["floor_ms"] = medianMs(floorTimes);
    if (targetMs > 0) state.counters["target_ms"] = targetMs;  // 0: a figure without a target
    state.counters["floor_rows"] = double(floorRows);
}

// Steps every row of a statement without reading it into a list.
inline size_t stepAll(Database& db, const Query& query)
{
    Statement statement(db, query.sql);
    statement.bindAll(query.params);
    size_t rows = 0;
    while (statement.step()) ++rows;
    return rows;
}

}  // namespace kelvor::bench
