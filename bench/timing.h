// What the benchmarks share: the time one run of something takes, and the median of many runs.
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

inline double microseconds(const std::function<void()>& once)
{
    QElapsedTimer timer;
    timer.start();
    once();
    return double(timer.nsecsElapsed()) / 1000.0;
}

inline double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
