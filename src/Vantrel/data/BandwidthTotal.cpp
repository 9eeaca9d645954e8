#include "BandwidthTotal.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnitStep = BandwidthTotal::kKbpsPerMbps;
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
    // NaN fails the comparison as well; no real group loads infinitely.
    return load > 0.0 && std::isfinite(load) ? load : 0.0;
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
        // Beyond the window's largest figure single precision would round
        // away whole Gbps; those figures are new, so nothing depends on it.
        if (kbps / kUnitStep / kUnitStep > kMaxShownGpbs)
            return QString::asprintf("%0.1f", std::ceil(kbps / kUnitStep / kUnitStep * 10.0) / 10.0);
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

QString BandwidthTotal::windowText() const
{
    if (unit() == Unit::Gpbs && total() / kUnitStep / kUnitStep > kMaxShownGpbs)
        return QStringLiteral("\u2265 ") + QString::number(kMaxShownGpbs, 'f', 1);
    return text();
}

QString BandwidthTotal::unitName(Unit unit)
{
    switch (unit) {
    case Unit::Gpbs:
        return QStringLiteral("Gbps");
    case Unit::Mpbs:
        return QStringLiteral("Mbps");
    case Unit::Kpbs:
        break;
    }
    return QStringLiteral("Kbps");
}
