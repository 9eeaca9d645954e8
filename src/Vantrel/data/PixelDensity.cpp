#include "PixelDensity.h"

#include <QRegularExpression>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double radians(double degrees)
{
    return degrees * kPi / 180.0;
}

} // namespace

const QVector<PixelDensity::Sensor>& PixelDensity::sensors()
{
    static const QVector<Sensor> list = { { "1/3\"", 4.8 },   { "1/2.8\"", 5.37 }, { "1/2.7\"", 5.37 },
                                          { "1/2.5\"", 5.76 }, { "1/2\"", 6.4 },    { "1/1.8\"", 7.18 },
                                          { "2/3\"", 8.8 },   { "1\"", 12.8 } };
    return list;
}

const QVector<DetailLevel>& PixelDensity::levels()
{
    static const QVector<DetailLevel> list = { DetailLevel::BelowMonitor, DetailLevel::Monitor, DetailLevel::Detect,
                                               DetailLevel::Observe,      DetailLevel::Recognise, DetailLevel::Identify,
                                               DetailLevel::Inspect };
    return list;
}

std::optional<int> PixelDensity::pixelsAcross(const QString& resolution)
{
    static const QRegularExpression size(QStringLiteral("\\((\\d+)\\s*[xX*×]\\s*\\d+\\)"));
    const QRegularExpressionMatch match = size.match(resolution);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int width = match.captured(1).toInt(&ok);
    if (!ok || width <= 0)
        return std::nullopt;
    return width;
}

double PixelDensity::lensAngleDeg(double focalMm, double sensorWidthMm)
{
    if (!(focalMm > 0) || !(sensorWidthMm > 0))
        return 0.0;
    return 2.0 * std::atan(sensorWidthMm / (2.0 * focalMm)) * 180.0 / kPi;
}

double PixelDensity::angleDeg(const ViewSettings& view)
{
    const double angle = view.byLens() ? lensAngleDeg(view.focalMm, view.sensorWidthMm) : view.hfovDeg;
    return std::isfinite(angle) && angle > 0 && angle < ViewSettings::kMaxHfovDeg ? angle : 0.0;
}

std::optional<DetailFigures> PixelDensity::figures(const ViewSettings& view, const QString& resolution)
{
    // Most groups of a large plan have no view: they cost no parsing.
    if (!view.isSet())
        return std::nullopt;
    const std::optional<int> width = pixelsAcross(resolution);
    const double angle = angleDeg(view);
    if (!width || angle <= 0 || !std::isfinite(view.distanceM))
        return std::nullopt;
    const double seen = 2.0 * view.distanceM * std::tan(radians(angle / 2.0));
    if (!(seen > 0) || !std::isfinite(seen))
        return std::nullopt;
    DetailFigures figures;
    figures.hfovDeg = angle;
    figures.pixelsAcross = *width;
    figures.pxPerM = *width / seen;
    figures.level = levelMet(figures.pxPerM);
    const DetailLevel target = view.required.value_or(figures.level);
    if (target != DetailLevel::BelowMonitor)
        figures.farthestM = farthestM(*width, angle, target);
    if (view.required)
        figures.state = figures.pxPerM >= levelPxPerM(*view.required) ? CheckState::Ok : CheckState::Over;
    return figures;
}

double PixelDensity::levelPxPerM(DetailLevel level)
{
    switch (level) {
    case DetailLevel::BelowMonitor:
        return 0.0;
    case DetailLevel::Monitor:
        return 12.5;
    case DetailLevel::Detect:
        return 25.0;
    case DetailLevel::Observe:
        return 62.5;
    case DetailLevel::Recognise:
        return 125.0;
    case DetailLevel::Identify:
        return 250.0;
    case DetailLevel::Inspect:
        return 1000.0;
    }
    return 0.0;
}

DetailLevel PixelDensity::levelMet(double pxPerM)
{
    DetailLevel met = DetailLevel::BelowMonitor;
    for (const DetailLevel level : levels()) {
        if (levelPxPerM(level) <= pxPerM)
            met = level;
    }
    return met;
}

double PixelDensity::farthestM(int pixelsAcross, double hfovDeg, DetailLevel level)
{
    const double figure = levelPxPerM(level);
    const double across = 2.0 * std::tan(radians(hfovDeg / 2.0)) * figure;
    return across > 0 ? pixelsAcross / across : 0.0;
}

QString PixelDensity::levelName(DetailLevel level)
{
    switch (level) {
    case DetailLevel::BelowMonitor:
        return QStringLiteral("below monitor");
    case DetailLevel::Monitor:
        return QStringLiteral("monitor");
    case DetailLevel::Detect:
        return QStringLiteral("detect");
    case DetailLevel::Observe:
        return QStringLiteral("observe");
    case DetailLevel::Recognise:
        return QStringLiteral("recognise");
    case DetailLevel::Identify:
        return QStringLiteral("identify");
    case DetailLevel::Inspect:
        return QStringLiteral("inspect");
    }
    return QString();
}

std::optional<DetailLevel> PixelDensity::levelFromName(const QString& name)
{
    for (const DetailLevel level : levels()) {
        if (name == levelName(level))
            return level;
    }
    return std::nullopt;
}

QString PixelDensity::shownLevel(DetailLevel level)
{
    switch (level) {
    case DetailLevel::BelowMonitor:
        return tr("Below monitor");
    case DetailLevel::Monitor:
        return tr("Monitor");
    case DetailLevel::Detect:
        return tr("Detect");
    case DetailLevel::Observe:
        return tr("Observe");
    case DetailLevel::Recognise:
        return tr("Recognise");
    case DetailLevel::Identify:
        return tr("Identify");
    case DetailLevel::Inspect:
        return tr("Inspect");
    }
    return QString();
}
