#pragma once

#include "CheckState.h"
#include "NetworkFigures.h"
#include "PlanTypes.h"
#include "SiteProblem.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>

// The switches, recorders and site uplink of a plan against their limits:
// where each group's streams go, what crosses each uplink, the ports and
// the PoE each switch gives, the channels, input and disks each recorder
// takes. One pass over the groups and one over the switch tree, so a city
// of thousands of groups costs no more than walking it.
class NetworkCheck
{
    Q_DECLARE_TR_FUNCTIONS(NetworkCheck)

public:
    explicit NetworkCheck(const PlanData& plan);

    // In the order of the plan's network.
    const QVector<SwitchFigures>& switches() const { return m_switches; }
    const QVector<RecorderFigures>& recorders() const { return m_recorders; }
    // The plain load of the flows that leave through the site uplink.
    double siteLoadKbps() const { return m_siteLoadKbps; }
    // Switches first, then recorders, then the site uplink.
    const QVector<SiteProblem>& problems() const { return m_problems; }
    // The worst state of the switch and the recorder a row's group is on;
    // ok for a group on neither.
    CheckState placeState(int row) const;

    // Watts a port reserves for a camera of that PoE class, in tenths of a
    // watt so that sums and the 90 % line are exact; 0 for no class.
    static int poeTenthsOfWatt(int poeClass);
    // "812.3", "1000": a figure as the problem texts give it.
    static QString figureText(double value);

private:
    // switchIndex: each id's first switch.
    void addFlows(const PlanData& plan, const QHash<QString, int>& switchIndex);
    void addSwitchProblems(const PlanNetwork& network);
    void addRecorderProblems(const PlanNetwork& network);
    void addSiteProblem(const UplinkSettings& uplink);

    QVector<SwitchFigures> m_switches;
    QVector<RecorderFigures> m_recorders;
    QVector<SiteProblem> m_problems;
    // Per row: the switch and the recorder, -1 for none.
    QVector<int> m_groupSwitch;
    QVector<int> m_groupRecorder;
    double m_siteLoadKbps = 0.0;
};
