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
    switch (stateOf(m_loadKbps, m_uplink.kbps())) {
    case CheckState::Ok:
        return Level::Comfortable;
    case CheckState::Warn:
        return Level::Tight;
    case CheckState::Over:
        break;
    }
    return Level::Over;
}

CheckState UplinkCheck::stateOf(double loadKbps, double capacityKbps)
{
    // Compared without dividing, so 70 % and 100 % land exactly on their
    // side of the line.
    const double load = loadKbps > 0.0 ? loadKbps : 0.0;
    if (load * 10.0 <= capacityKbps * 7.0 && (capacityKbps > 0.0 || load == 0.0))
        return CheckState::Ok;
    if (load <= capacityKbps)
        return CheckState::Warn;
    return CheckState::Over;
}

QString UplinkCheck::percentOf(double loadKbps, double capacityKbps)
{
    return capacityKbps > 0.0 ? tenthText(loadKbps * 100.0 / capacityKbps) : QString();
}

QString UplinkCheck::percentText() const
{
    if (!hasUplink())
        return QString();
    return percentOf(m_loadKbps, m_uplink.kbps()) + QStringLiteral(" %");
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
