#include "NetworkEdits.h"

QString NetworkEdits::freeId(const PlanNetwork& network, const QString& prefix)
{
    for (int n = 1;; ++n) {
        const QString id = prefix + QString::number(n);
        if (network.switchIndex(id) < 0 && network.recorderIndex(id) < 0)
            return id;
    }
}

QSet<QString> NetworkEdits::subtree(const PlanNetwork& network, const QString& switchId)
{
    QSet<QString> found{ switchId };
    // A file never holds a cycle, but the walk stops on its own either way:
    // it only grows the set until nothing more joins.
    bool grew = true;
    while (grew) {
        grew = false;
        for (const NetworkSwitch& sw : network.switches) {
            if (!found.contains(sw.id) && found.contains(sw.parent)) {
                found.insert(sw.id);
                grew = true;
            }
        }
    }
    return found;
}

QVector<int> NetworkEdits::possibleParents(const PlanNetwork& network, const QString& switchId)
{
    const QSet<QString> below = switchId.isEmpty() ? QSet<QString>() : subtree(network, switchId);
    QVector<int> result;
    for (int i = 0; i < network.switches.size(); ++i) {
        if (!below.contains(network.switches.at(i).id))
            result.append(i);
    }
    return result;
}

NetworkEdits::Result NetworkEdits::removeSwitch(const PlanData& plan, const QString& id, const QString& destination)
{
    Result result;
    result.network = plan.network;
    PlanNetwork& network = result.network;
    const int index = network.switchIndex(id);
    if (index < 0)
        return result;
    network.switches.removeAt(index);
    for (NetworkSwitch& sw : network.switches) {
        if (sw.parent == id)
            sw.parent = destination;
    }
    for (NetworkRecorder& recorder : network.recorders) {
        if (recorder.switchId == id && !destination.isEmpty())
            recorder.switchId = destination;
    }
    for (int row = 0; row < plan.groups.size(); ++row) {
        if (plan.groups.at(row).network.switchId != id)
            continue;
        PlanGroup group = plan.groups.at(row);
        group.network.switchId = destination;
        result.moved.append({ row, group });
    }
    return result;
}

NetworkEdits::Result NetworkEdits::removeRecorder(const PlanData& plan, const QString& id, const QString& destination)
{
    Result result;
    result.network = plan.network;
    const int index = result.network.recorderIndex(id);
    if (index < 0)
        return result;
    result.network.recorders.removeAt(index);
    for (int row = 0; row < plan.groups.size(); ++row) {
        if (plan.groups.at(row).network.recorderId != id)
            continue;
        PlanGroup group = plan.groups.at(row);
        group.network.recorderId = destination;
        result.moved.append({ row, group });
    }
    return result;
}

int NetworkEdits::groupsOnSwitch(const PlanData& plan, const QString& id)
{
    int count = 0;
    for (const PlanGroup& group : plan.groups)
        count += group.network.switchId == id ? 1 : 0;
    return count;
}

int NetworkEdits::groupsOnRecorder(const PlanData& plan, const QString& id)
{
    int count = 0;
    for (const PlanGroup& group : plan.groups)
        count += group.network.recorderId == id ? 1 : 0;
    return count;
}

int NetworkEdits::nodesUnder(const PlanNetwork& network, const QString& switchId)
{
    int count = 0;
    for (const NetworkSwitch& sw : network.switches)
        count += sw.parent == switchId ? 1 : 0;
    for (const NetworkRecorder& recorder : network.recorders)
        count += recorder.switchId == switchId ? 1 : 0;
    return count;
}

bool NetworkEdits::hasRecorders(const PlanNetwork& network, const QString& switchId)
{
    for (const NetworkRecorder& recorder : network.recorders) {
        if (recorder.switchId == switchId)
            return true;
    }
    return false;
}
