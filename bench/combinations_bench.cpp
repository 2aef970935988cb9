// Combinations search benchmark: three resistors from E96 (673 values from
// 1 ohm to 10 M) in every arrangement, for a handful of targets, beside two
// floors measured in the same run: the two-resistor search, and a plain loop
// that only sums every pair of values once (the work of any search that
// looks at each pair, the three-resistor search among them).
//
//   combinations_bench [runs]     (default 15; medians are printed)

#include "resistors/maths/combinations.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Keeps a result alive so the optimiser cannot drop the work.
volatile double g_sink = 0;

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::vector<double> values = combinations::standardValues(e_series::Series::E96);
    const double targets[] = {5100, 1234, 37.3, 9.87e6, 0.5};
    const combinations::Arrangements all{true, true, true};
    const combinations::Arrangements two{true, true, false};

    std::printf("E96: %zu values, %d runs each, medians\n\n", values.size(), runs);
    std::printf("%-10s %12s %12s %12s %8s\n", "target", "three (ms)", "two (ms)", "pairs (ms)", "ratio");
    for (double target : targets) {
        std::vector<double> three;
        std::vector<double> twoOnly;
        std::vector<double> pairs;
        for (int run = 0; run < runs; ++run) {
            three.push_back(
                milliseconds([&] { g_sink = combinations::closest(values, target, all).front().ohms; }));
            twoOnly.push_back(
                milliseconds([&] { g_sink = combinations::closest(values, target, two).front().ohms; }));
            pairs.push_back(milliseconds([&] {
                double best = INFINITY;
                for (std::size_t i = 0; i < values.size(); ++i) {
                    for (std::size_t j = i; j < values.size(); ++j) {
                        const double a = values[i];
                        const double b = values[j];
                        best =
                            std::min({best, std::fabs(a + b - target), std::fabs(a * b / (a + b) - target)});
                    }
                }
                g_sink = best;
            }));
        }
        const double m = median(three);
        const double floor = median(pairs);
        std::printf("%-10g %12.2f %12.2f %12.2f %8.2f\n", target, m, median(twoOnly), floor, m / floor);
    }
    std::printf("\nratio: the three-resistor search over the plain loop over every pair\n");
    return 0;
}
