#include "Plan.h"

#include <vector>

Plan::Plan(QObject* parent)
    : QObject(parent)
{
}

Plan::~Plan() = default;

int Plan::lowestFreeGroupNumber() const
{
    // n groups hold at most n of the numbers 1..n+1.
    std::vector<bool> held(static_cast<size_t>(groupCount()) + 2, false);
    for (const PlanGroup& group : m_data.groups) {
        const int number = group.device.groupNumber;
        if (number > 0 && static_cast<size_t>(number) < held.size())
            held[static_cast<size_t>(number)] = true;
    }
    int number = 1;
    while (held[static_cast<size_t>(number)])
        ++number;
    return number;
}

int Plan::rowOfNumber(int groupNumber) const
{
    for (int row = 0; row < m_data.groups.size(); ++row) {
        if (m_data.groups.at(row).device.groupNumber == groupNumber)
            return row;
    }
    return -1;
}

void Plan::insertGroup(int row, const PlanGroup& group)
{
    row = qBound(0, row, groupCount());
    m_data.groups.insert(row, group);
    Q_EMIT groupInserted(row);
    Q_EMIT changed();
}

PlanGroup Plan::takeGroup(int row)
{
    if (row < 0 || row >= groupCount())
        return PlanGroup();
    const PlanGroup group = m_data.groups.takeAt(row);
    Q_EMIT groupRemoved(row, group);
    Q_EMIT changed();
    return group;
}

QVector<int> Plan::storeGroups(const QVector<QPair<int, PlanGroup>>& changes)
{
    QVector<int> rows;
    rows.reserve(changes.size());
    for (const auto& [row, group] : changes) {
        if (row < 0 || row >= groupCount())
            continue;
        m_data.groups[row] = group;
        rows.append(row);
    }
    return rows;
}

void Plan::replaceGroups(const QVector<QPair<int, PlanGroup>>& changes)
{
    const QVector<int> rows = storeGroups(changes);
    if (rows.isEmpty())
        return;
    Q_EMIT groupsReplaced(rows);
    Q_EMIT changed();
}

void Plan::replaceNetwork(const PlanNetwork& network, const QVector<QPair<int, PlanGroup>>& groups)
{
    const QVector<int> rows = storeGroups(groups);
    const bool networkChanges = m_data.network != network;
    if (networkChanges)
        m_data.network = network;
    if (!rows.isEmpty())
        Q_EMIT groupsReplaced(rows);
    if (networkChanges)
        Q_EMIT networkChanged();
    if (!rows.isEmpty() || networkChanges)
        Q_EMIT changed();
}

void Plan::resetGroups(const QVector<PlanGroup>& groups)
{
    m_data.groups = groups;
    Q_EMIT groupsReset();
    Q_EMIT changed();
}

void Plan::resetAll(const PlanData& data)
{
    m_data = data;
    Q_EMIT wholePlanReplaced();
    Q_EMIT settingsChanged();
    Q_EMIT networkChanged();
    Q_EMIT groupsReset();
    Q_EMIT changed();
}

void Plan::setSiteName(const QString& siteName)
{
    if (m_data.siteName == siteName)
        return;
    m_data.siteName = siteName;
    Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void Plan::setNotes(const QString& notes)
{
    if (m_data.notes == notes)
        return;
    m_data.notes = notes;
    Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void Plan::setProperties(const PlanProperties& properties)
{
    if (properties == this->properties())
        return;
    properties.applyTo(m_data);
    Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void Plan::setVideoStandard(VideoStandard standard)
{
    if (m_data.videoStandard == standard)
        return;
    m_data.videoStandard = standard;
    Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void Plan::setStorage(const StorageSettings& storage)
{
    if (m_data.storage == storage)
        return;
    m_data.storage = storage;
    Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void Plan::setUplink(const UplinkSettings& uplink)
{
    if (m_data.uplink == uplink)
        return;
    m_data.uplink = uplink;
    Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void Plan::setNetwork(const PlanNetwork& network)
{
    if (m_data.network == network)
        return;
    m_data.network = network;
    Q_EMIT networkChanged();
    Q_EMIT changed();
}
