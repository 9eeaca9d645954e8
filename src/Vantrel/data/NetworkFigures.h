#pragma once

#include "CheckState.h"

#include <QString>

#include <optional>

// What one switch of the site carries, against its limits. Loads are the
// plain sums of the rates that cross its uplink, in kbps.
struct SwitchFigures
{
    QString id;
    // Its place in PlanNetwork::switches.
    int index = -1;
    // The groups plugged into this switch (not its subtree).
    int groupCount = 0;

    double loadKbps = 0.0;
    double capacityKbps = 0.0;
    double utilisation = 0.0;
    CheckState uplinkState = CheckState::Ok;

    int portsUsed = 0;
    int ports = 0;
    CheckState portsState = CheckState::Ok;

    double poeW = 0.0;
    double poeBudgetW = 0.0;
    CheckState poeState = CheckState::Ok;

    // The worst of the three.
    CheckState state = CheckState::Ok;
};

// What one recorder takes in and keeps, against its limits.
struct RecorderFigures
{
    QString id;
    // Its place in PlanNetwork::recorders.
    int index = -1;
    int groupCount = 0;

    int channelsUsed = 0;
    int channels = 0;
    CheckState channelsState = CheckState::Ok;

    double inputKbps = 0.0;
    double capacityKbps = 0.0;
    double utilisation = 0.0;
    CheckState inputState = CheckState::Ok;

    // The disks to buy for its groups' days, with the plan's storage
    // settings; none when the settings give no data disk.
    std::optional<qint64> disks;
    int bays = 0;
    // None when bays is 0: its disks are not counted.
    std::optional<CheckState> disksState;

    CheckState state = CheckState::Ok;
};
