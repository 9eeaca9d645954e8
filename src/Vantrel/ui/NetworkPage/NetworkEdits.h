#pragma once

#include <data/PlanTypes.h>

#include <QPair>
#include <QSet>
#include <QString>
#include <QVector>

// The network edits the window offers, as the plan they lead to: new ids,
// the switches a switch may hang from, and what a deletion does to the
// groups and the other nodes, so that no edit makes a cycle, a clashing id
// or loses a group.
class NetworkEdits
{
public:
    using RowChange = QPair<int, PlanGroup>;

    // The lowest "<prefix><n>" (n from 1) that no switch or recorder uses.
    static QString freeId(const PlanNetwork& network, const QString& prefix);
    // The switch and every switch below it.
    static QSet<QString> subtree(const PlanNetwork& network, const QString& switchId);
    // The switches a switch may hang from: any but itself and those below it.
    static QVector<int> possibleParents(const PlanNetwork& network, const QString& switchId);

    struct Result
    {
        PlanNetwork network;
        QVector<RowChange> moved;
    };

    // The network without switch `id`: its child switches, its recorders
    // and its groups go to `destination` (a switch outside its subtree), or
    // with an empty destination child switches become roots and the groups
    // hang from the site uplink. The window offers no destination only for
    // a switch without recorders, since a recorder needs a switch.
    static Result removeSwitch(const PlanData& plan, const QString& id, const QString& destination);
    // The network without recorder `id`: its groups record to `destination`
    // (another recorder), or to none when it is empty.
    static Result removeRecorder(const PlanData& plan, const QString& id, const QString& destination);

    // How many groups a node holds (plugged into a switch, recording to a
    // recorder), and how many switches and recorders hang from a switch.
    static int groupsOnSwitch(const PlanData& plan, const QString& id);
    static int groupsOnRecorder(const PlanData& plan, const QString& id);
    static int nodesUnder(const PlanNetwork& network, const QString& switchId);
    static bool hasRecorders(const PlanNetwork& network, const QString& switchId);
};
