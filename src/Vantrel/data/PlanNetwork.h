#pragma once

#include <QString>
#include <QVector>

// An access, distribution or core switch of the site. Switches form a tree:
// a switch with no parent hangs from the site uplink.
struct NetworkSwitch
{
    static constexpr int kMaxIdLength = 40;
    static constexpr int kMaxPorts = 512;
    static constexpr double kMaxUplinkMbps = 10000000.0;
    static constexpr double kMaxPoeBudgetW = 100000.0;

    QString id;
    QString name;
    // Empty: a root of the tree.
    QString parent;
    int ports = 24;
    double uplinkMbps = 1000.0;
    double poeBudgetW = 0.0;

    friend bool operator==(const NetworkSwitch& a, const NetworkSwitch& b)
    {
        return a.id == b.id && a.name == b.name && a.parent == b.parent && a.ports == b.ports
            && a.uplinkMbps == b.uplinkMbps && a.poeBudgetW == b.poeBudgetW;
    }
    friend bool operator!=(const NetworkSwitch& a, const NetworkSwitch& b) { return !(a == b); }
};

// A network video recorder, plugged into one switch.
struct NetworkRecorder
{
    static constexpr int kMaxChannels = 4096;
    static constexpr double kMaxInputMbps = 10000000.0;
    static constexpr int kMaxBays = 256;

    QString id;
    QString name;
    QString switchId;
    int channels = 32;
    double inputMbps = 320.0;
    // 0: its disks are not counted against bays.
    int bays = 0;

    friend bool operator==(const NetworkRecorder& a, const NetworkRecorder& b)
    {
        return a.id == b.id && a.name == b.name && a.switchId == b.switchId && a.channels == b.channels
            && a.inputMbps == b.inputMbps && a.bays == b.bays;
    }
    friend bool operator!=(const NetworkRecorder& a, const NetworkRecorder& b) { return !(a == b); }
};

// Where one group sits in the network and what it draws from its switch.
// Empty ids: no switch (the group hangs from the site uplink) or no recorder
// (its streams leave through the site uplink).
struct NetworkPlace
{
    static constexpr int kNoPoe = -1;
    static constexpr int kMaxPoeClass = 8;

    QString switchId;
    QString recorderId;
    // 0 to 8, or kNoPoe when the camera has its own supply.
    int poeClass = kNoPoe;

    bool isSet() const { return !switchId.isEmpty() || !recorderId.isEmpty() || poeClass != kNoPoe; }

    friend bool operator==(const NetworkPlace& a, const NetworkPlace& b)
    {
        return a.switchId == b.switchId && a.recorderId == b.recorderId && a.poeClass == b.poeClass;
    }
    friend bool operator!=(const NetworkPlace& a, const NetworkPlace& b) { return !(a == b); }
};

// The switches and recorders of a plan. Ids are unique among both together,
// and parents make no cycle; a plan file that breaks this is refused.
struct PlanNetwork
{
    QVector<NetworkSwitch> switches;
    QVector<NetworkRecorder> recorders;

    bool isEmpty() const { return switches.isEmpty() && recorders.isEmpty(); }
    // -1 when there is none with this id.
    int switchIndex(const QString& id) const
    {
        for (int i = 0; i < switches.size(); ++i) {
            if (switches.at(i).id == id)
                return i;
        }
        return -1;
    }
    int recorderIndex(const QString& id) const
    {
        for (int i = 0; i < recorders.size(); ++i) {
            if (recorders.at(i).id == id)
                return i;
        }
        return -1;
    }

    friend bool operator==(const PlanNetwork& a, const PlanNetwork& b)
    {
        return a.switches == b.switches && a.recorders == b.recorders;
    }
    friend bool operator!=(const PlanNetwork& a, const PlanNetwork& b) { return !(a == b); }
};
