#pragma once

#include "library/centres.h"
#include "library/database.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace kelvor::bench {

inline double medianMs(std::vector<double> ms)
{
    if (ms.empty()) return 0;
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// Processor time of this process in milliseconds: on a shared, busy machine
// wall time mostly measures the others.
inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Runs `work` once per benchmark iteration and reports, on the same line,
// its median time (wall and processor), the target it must meet, and its
// floor: the median of `floor` (the bare query that returns the same rows, no
// list built) measured in the same run, since these machines vary by up to 2x
// between runs.
inline void measureAgainstFloor(benchmark::State& state, double targetMs, const std::function<size_t()>& work,
                                const std::function<size_t()>& floor)
{
    std::vector<double> times, cpu;
    size_t rows = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        rows = work();
        cpu.push_back(cpuMs() - cpuStart);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        benchmark::DoNotOptimize(rows);
    }
    std::vector<double> floorTimes, floorCpu;
    size_t floorRows = 0;
    for (size_t i = 0; i < std::max<size_t>(5, std::min<size_t>(times.size(), 15)); ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        floorRows = floor();
        floorCpu.push_back(cpuMs() - cpuStart);
        floorTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    state.counters["rows"] = double(rows);
    state.counters["median_ms"] = medianMs(times);
    state.counters["cpu_ms"] = medianMs(cpu);
    state.counters["floor_ms"] = medianMs(floorTimes);
    state.counters["floor_cpu_ms"] = medianMs(floorCpu);
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
