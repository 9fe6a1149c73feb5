#pragma once
// Small helpers shared by the benchmarks: medians, percentiles, resident memory.
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace bench {

inline double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    if (v.empty())
        return 0;
    const size_t i = std::min(v.size() - 1, size_t(p / 100.0 * double(v.size() - 1) + 0.5));
    return v[i];
}
inline double median(std::vector<double> v)
{
    return percentile(std::move(v), 50);
}

// Peak resident memory of this program so far, in megabytes. (VmHWM starts afresh with the program;
// getrusage's figure would carry over the parent's peak across fork and exec.)
inline double peakMB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Processor time of this program so far, all its threads together, in milliseconds.
inline double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// One figure: name, value, unit, target; printed as a line the table script reads.
inline void figure(const char *name, double value, const char *unit, const char *target)
{
    std::printf("FIGURE | %s | %.3f %s | %s\n", name, value, unit, target);
    std::fflush(stdout);
}

} // namespace bench
