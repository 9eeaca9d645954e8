#pragma once

#include "PlanProperties.h"
#include "PlanTypes.h"

#include <QObject>
#include <QPair>
#include <QVector>

// The plan the user works on: the site, its notes, the video standard, the
// storage settings and the ordered device groups. Views follow it through
// one signal per kind of edit, so they redo only what changed; every edit
// also ends with changed().
class Plan : public QObject
{
    Q_OBJECT

public:
    explicit Plan(QObject* parent = nullptr);
    ~Plan() override;

    const PlanData& data() const { return m_data; }
    const QVector<PlanGroup>& groups() const { return m_data.groups; }
    int groupCount() const { return m_data.groups.size(); }
    const PlanGroup& groupAt(int row) const { return m_data.groups.at(row); }
    // The row of the group with this number, -1 when no group has it.
    int rowOfNumber(int groupNumber) const;
    // The number a new group gets: the lowest one no group holds.
    int lowestFreeGroupNumber() const;

    QString siteName() const { return m_data.siteName; }
    QString notes() const { return m_data.notes; }
    PlanProperties properties() const { return PlanProperties::of(m_data); }
    VideoStandard videoStandard() const { return m_data.videoStandard; }
    StorageSettings storage() const { return m_data.storage; }
    UplinkSettings uplink() const { return m_data.uplink; }
    const PlanNetwork& network() const { return m_data.network; }

    void insertGroup(int row, const PlanGroup& group);
    void appendGroup(const PlanGroup& group) { insertGroup(groupCount(), group); }
    PlanGroup takeGroup(int row);
    void replaceGroup(int row, const PlanGroup& group) { replaceGroups({ { row, group } }); }
    // Rows and their new groups; views hear of them in one signal.
    void replaceGroups(const QVector<QPair<int, PlanGroup>>& changes);
    void resetGroups(const QVector<PlanGroup>& groups);
    // A whole new plan: a file opened, or New.
    void resetAll(const PlanData& data);

    void setSiteName(const QString& siteName);
    void setNotes(const QString& notes);
    // The site name, notes, customer, address, designer and logo at once:
    // views hear of them in one settingsChanged().
    void setProperties(const PlanProperties& properties);
    void setVideoStandard(VideoStandard standard);
    void setStorage(const StorageSettings& storage);
    void setUplink(const UplinkSettings& uplink);
    // The switches and recorders; the groups' places change through
    // replaceGroups, so a move is heard as both.
    void setNetwork(const PlanNetwork& network);
    // The switches and recorders and the groups that move with them, stored
    // together before views hear of either, with one changed() for both.
    void replaceNetwork(const PlanNetwork& network, const QVector<QPair<int, PlanGroup>>& groups);

Q_SIGNALS:
    // Before the signals of resetAll(): what views keep of the plan before
    // (chosen groups, say) belongs to another plan now.
    void wholePlanReplaced();
    void groupInserted(int row);
    void groupRemoved(int row, const PlanGroup& group);
    void groupsReplaced(const QVector<int>& rows);
    void groupsReset();
    void settingsChanged();
    void networkChanged();
    void changed();

private:
    // Stores the changes of rows that exist; the rows stored.
    QVector<int> storeGroups(const QVector<QPair<int, PlanGroup>>& changes);

    PlanData m_data;
};
