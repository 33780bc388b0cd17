// Timing helpers for benchmarks that compare two things in one run: the two
// are measured in alternating rounds and compared by their medians.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace lume::bench {

inline double NowMicroseconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Comparison {
    double subject;    // median microseconds per operation
    double reference;  // the same for what it is compared with
    double ratio() const { return reference > 0 ? subject / reference : 0; }
};

// `rounds` rounds of `perRound` operations of each, alternating.
inline Comparison CompareMedians(int rounds, int perRound, const std::function<void()>& subject,
                                 const std::function<void()>& reference)
{
    std::vector<double> a, b;
    for (int round = 0; round < rounds; ++round) {
        double start = NowMicroseconds();
        for (int i = 0; i < perRound; ++i)
            subject();
        a.push_back((NowMicroseconds() - start) / perRound);
        start = NowMicroseconds();
        for (int i = 0; i < perRound; ++i)
            reference();
        b.push_back((NowMicroseconds() - start) / perRound);
    }
    return {Median(a), Median(b)};
}

// One row of the benchmark table: name, figures, ratio, target, verdict.
inline void PrintRow(const char* name, const Comparison& c, double target)
{
    std::printf("%-44s %10.1f us %10.1f us %7.3f  <= %.2f  %s\n", name, c.subject, c.reference, c.ratio(), target,
                c.ratio() <= target ? "met" : "MISSED");
    std::fflush(stdout);
}

// A row without a target, for what is shown only to compare with.
inline void PrintFigure(const char* name, const Comparison& c)
{
    std::printf("%-44s %10.1f us %10.1f us %7.3f\n", name, c.subject, c.reference, c.ratio());
    std::fflush(stdout);
}

} // namespace lume::bench
