#pragma once

#include <optional>

// The levels of detail of IEC 62676-4:2015, lowest first; each needs its
// figure of pixels per metre on the target.
enum class DetailLevel { BelowMonitor, Monitor, Detect, Observe, Recognise, Identify, Inspect };

// What a group's cameras look at: the angle they see, given as an angle or
// as a lens on a sensor, how far away the target is, and the level of detail
// the design asks there. A group without a distance has no view.
struct ViewSettings
{
    static constexpr double kMinHfovDeg = 1.0;
    static constexpr double kMaxHfovDeg = 180.0;
    static constexpr double kMinFocalMm = 0.5;
    static constexpr double kMaxFocalMm = 1000.0;
    static constexpr double kMinSensorWidthMm = 1.0;
    static constexpr double kMaxSensorWidthMm = 50.0;
    static constexpr double kMaxDistanceM = 1000.0;

    // 0 when the lens gives the angle.
    double hfovDeg = 0.0;
    double focalMm = 0.0;
    double sensorWidthMm = 0.0;
    // 0: no view.
    double distanceM = 0.0;
    std::optional<DetailLevel> required;

    bool isSet() const { return distanceM > 0.0; }
    bool byLens() const { return hfovDeg <= 0.0; }

    friend bool operator==(const ViewSettings& a, const ViewSettings& b)
    {
        return a.hfovDeg == b.hfovDeg && a.focalMm == b.focalMm && a.sensorWidthMm == b.sensorWidthMm
            && a.distanceM == b.distanceM && a.required == b.required;
    }
    friend bool operator!=(const ViewSettings& a, const ViewSettings& b) { return !(a == b); }
};
