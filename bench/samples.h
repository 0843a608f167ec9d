#ifndef SAMPLES_H
#define SAMPLES_H

#include <QVector>

#include <algorithm>
#include <cmath>

// Order statistics of timings.
namespace Samples {

// The value below which the given share (0 to 1) of the samples lie,
// nearest-rank.
inline double percentile(QVector<double> samples, double share)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const int rank = int(std::ceil(share * samples.size())) - 1;
    return samples.at(std::clamp(rank, 0, int(samples.size()) - 1));
}

inline double median(const QVector<double> &samples)
{
    return percentile(samples, 0.5);
}

} // namespace Samples

#endif // SAMPLES_H
