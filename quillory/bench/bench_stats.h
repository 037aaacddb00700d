#pragma once
#include <algorithm>
#include <vector>

// The middle of a few timed runs: one slow run on a shared machine should not move the figure.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
