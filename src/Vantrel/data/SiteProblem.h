#pragma once

#include "CheckState.h"

#include <QString>

// One rule of the site that a figure breaks or comes near: its object, the
// figure, the limit and a sentence that says what to change.
struct SiteProblem
{
    // "switch", "recorder", "group", "site"
    QString object;
    // The switch's or recorder's id, the group's number; empty for the site.
    QString id;
    // "uplink", "ports", "poe", "channels", "input", "disks", "detail", "days"
    QString rule;
    CheckState state = CheckState::Over;
    double value = 0.0;
    double limit = 0.0;
    QString unit;
    QString text;
    // The group's row in the plan; -1 for the site, a switch or a recorder.
    int row = -1;
    // The switch's or recorder's place in the plan's network; -1 otherwise.
    int index = -1;
};
