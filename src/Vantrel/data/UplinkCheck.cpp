#include "UplinkCheck.h"

#include "BandwidthTotal.h"

#include <QRegularExpression>

#include <cmath>

namespace {

constexpr double kUnitStep = BandwidthTotal::kKbpsPerMbps;

// Rounds up to a tenth; the small allowance keeps an exact figure such as
// 70 from turning into 70.1 through the last bit of a division.
double ceilToTenth(double value)
{
    return std::ceil(value * 10.0 - 1e-9) / 10.0;
}

QString tenthText(double value)
{
    return QString::number(ceilToTenth(value), 'f', 1).remove(QRegularExpression(QStringLiteral("\\.0$")));
}

} // namespace

UplinkCheck::UplinkCheck(double loadKbps, const UplinkSettings& uplink)
    : m_loadKbps(loadKbps > 0.0 ? loadKbps : 0.0)
    , m_uplink(uplink)
{
}

double UplinkCheck::share() const
{
    return hasUplink() ? m_loadKbps / m_uplink.kbps() : 0.0;
}

UplinkCheck::Level UplinkCheck::level() const
{
    if (!hasUplink())
        return Level::NoUplink;
    // Compared without dividing, so 70 % and 100 % land exactly on their
    // side of the line.
    const double capacity = m_uplink.kbps();
    if (m_loadKbps * 10.0 <= capacity * 7.0)
        return Level::Comfortable;
    if (m_loadKbps <= capacity)
        return Level::Tight;
    return Level::Over;
}

QString UplinkCheck::percentText() const
{
    if (!hasUplink())
        return QString();
    return tenthText(m_loadKbps * 100.0 / m_uplink.kbps()) + QStringLiteral(" %");
}

QString UplinkCheck::message() const
{
    if (!hasUplink())
        return tr("No uplink chosen: pick the site's link to check the total against it.");
    return tr("The devices need %1; the %2 uplink is %3 used.")
        .arg(rateText(m_loadKbps), rateText(m_uplink.kbps()), percentText());
}

QString UplinkCheck::rateText(double kbps)
{
    if (kbps >= kUnitStep * kUnitStep)
        return tenthText(kbps / kUnitStep / kUnitStep) + QStringLiteral(" Gbps");
    if (kbps >= kUnitStep)
        return tenthText(kbps / kUnitStep) + QStringLiteral(" Mbps");
    return tenthText(kbps) + QStringLiteral(" Kbps");
}
