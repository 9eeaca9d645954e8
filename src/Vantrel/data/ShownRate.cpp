#include "ShownRate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double clampedKbps(double kbps, double max)
{
    if (std::isnan(kbps) || kbps <= 0.0)
        return 0.0;
    return std::min(kbps, max);
}

} // namespace

namespace ShownRate {

qint64 wholeKbps(double kbps)
{
    return static_cast<qint64>(clampedKbps(kbps, static_cast<double>(kMaxWholeKbps)));
}

int wholeKbpsInt(double kbps)
{
    return static_cast<int>(clampedKbps(kbps, static_cast<double>(std::numeric_limits<int>::max())));
}

} // namespace ShownRate
