#pragma once

#include "CheckState.h"

#include <QVector>

#include <optional>

// How long a plan's recordings stay on a given number of disks: every
// group's retention scaled by the one factor that fills the usable bytes.
struct DiskDays
{
    struct Group
    {
        int number = 0;
        int askedDays = 0;
        int days = 0;
        // Mixed mode's event clips; the same as the days in other modes.
        int askedEventDays = 0;
        int eventDays = 0;
    };

    int disks = 0;
    qint64 dataDisks = 0;
    long double usableBytes = 0;
    long double keptBytes = 0;
    // Usable over kept; none when the plan keeps nothing (any disk keeps
    // its days then).
    std::optional<double> factor;
    // Disks to buy for the days asked, for the shortfall.
    qint64 disksNeeded = 0;
    CheckState state = CheckState::Ok;
    QVector<Group> groups;

    // Usable less kept: negative for a shortfall.
    long double spareBytes() const { return usableBytes - keptBytes; }
};
