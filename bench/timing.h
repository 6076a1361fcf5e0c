// What the benchmarks share: the time one run of something takes, the median of many runs, and
// letting the window finish what an action left behind.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

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

// Handles every event an action left behind: the repaint it asked for, and the item views' layouts,
// which are put off to a later pass of the event loop. Without this the next action measured would
// pay for them.
inline void settle()
{
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A folder of `count` files named "<stem> 00000<ext>", the endings taken in turn, each holding
// `bytes`; false when one cannot be written.
inline bool fillFolder(const QString& folder, int count, const QString& stem, const QStringList& endings,
                       const QByteArray& bytes = {})
{
    for (int i = 0; i < count; ++i) {
        QFile file(
            folder
            + QStringLiteral("/%1 %2%3").arg(stem).arg(i, 5, 10, QLatin1Char('0')).arg(endings[i % endings.size()]));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    }
    return true;
}

// The time of one user action, with everything it leaves behind handled.
inline double actionMicroseconds(const std::function<void()>& action)
{
    settle(); // what came before is not this action's
    return microseconds([&] {
        action();
        settle();
    });
}
