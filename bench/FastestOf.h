#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>

// The shortest of `runs` runs of an action, in seconds: the figure least
// disturbed by whatever else the machine was doing.
inline double fastestOf(int runs, const std::function<void()> &action)
{
    double best = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        action();
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        best = i == 0 ? seconds : std::min(best, seconds);
    }
    return best;
}
