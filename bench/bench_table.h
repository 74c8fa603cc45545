// What the benchmarks share: a clock, a per-call timer and the rows of the printed table.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Seconds per call of body, over enough calls to take about a quarter of a second.
template <typename Body>
double PerCall(Body body) {
    int calls = 1;
    for (;;) {
        const double start = Now();
        for (int i = 0; i < calls; ++i) body(i);
        const double took = Now() - start;
        if (took > 0.25 || calls >= (1 << 24)) return took / calls;
        calls *= 2;
    }
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// One row of the table: what was measured, its baseline with the baseline's own figure, the
// ratio to it and the goal for the ratio (or for the figure, as the goal says).
inline void TableRow(const char* measure, const char* baseline, double figure, const char* unit, double ratio,
                     const char* goal) {
    std::printf("| %-40s | %-28s | %9.2f %-2s | %8.2f | %-20s |\n", measure, baseline, figure, unit, ratio, goal);
}

// A row of a count, against none.
inline void CountRow(const char* measure, int count, const char* goal) {
    std::printf("| %-40s | %-28s | %12s | %8d | %-20s |\n", measure, "none", "0", count, goal);
}

inline void TableHead() {
    std::printf("| %-40s | %-28s | %12s | %8s | %-20s |\n", "measure", "baseline", "baseline", "ratio", "goal");
    std::printf("|%s|%s|%s|%s|%s|\n", "------------------------------------------", "------------------------------",
                "--------------", "---------:", "----------------------");
}
