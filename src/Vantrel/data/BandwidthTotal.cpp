#include "BandwidthTotal.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnitStep = 1024.0;
constexpr double kGpbsThreshold = kUnitStep * kUnitStep;

// Rounds up to a tenth in single precision: the figures shown have always
// been computed that way, and the last digit depends on it.
float ceilToTenth(float tenths)
{
    return std::ceil(tenths) / 10.0f;
}

} // namespace

BandwidthTotal::BandwidthTotal(double sum)
    : m_sum(sanitized(sum))
{
}

void BandwidthTotal::add(double groupLoad)
{
    m_sum += sanitized(groupLoad);
}

double BandwidthTotal::sanitized(double load)
{
    // NaN fails the comparison as well.
    return load > 0.0 ? load : 0.0;
}

double BandwidthTotal::total() const
{
    return std::ceil(m_sum * 10.0 / 7.0);
}

BandwidthTotal::Unit BandwidthTotal::unit() const
{
    const double kbps = total();
    if (kbps > kGpbsThreshold)
        return Unit::Gpbs;
    if (kbps > kUnitStep)
        return Unit::Mpbs;
    return Unit::Kpbs;
}

QString BandwidthTotal::text() const
{
    const double kbps = total();
    switch (unit()) {
    case Unit::Gpbs: {
        if (kbps / kUnitStep / kUnitStep > kMaxShownGpbs)
            return QStringLiteral("999.9");
        const float tenths = static_cast<float>(kbps) / 1024.0f / 1024.0f * 10.0f;
        return QString::asprintf("%0.1f", static_cast<double>(ceilToTenth(tenths)));
    }
    case Unit::Mpbs: {
        const float tenths = static_cast<float>(kbps) / 1024.0f * 10.0f;
        return QString::asprintf("%0.1f", static_cast<double>(ceilToTenth(tenths)));
    }
    case Unit::Kpbs:
        break;
    }
    return QString::asprintf("%0.1f", kbps);
}
