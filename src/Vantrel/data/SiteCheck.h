#pragma once

#include "CheckState.h"
#include "DiskDays.h"
#include "NetworkFigures.h"
#include "PixelDensity.h"
#include "PlanTypes.h"
#include "SiteProblem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <optional>

// Checks a plan against the rules of a site design and lists what breaks
// them. It walks the groups once, each rule adding its figures as it
// passes, so rules for more objects of the site join that walk rather than
// walking the plan again.
class SiteCheck
{
    Q_DECLARE_TR_FUNCTIONS(SiteCheck)

public:
    struct Group
    {
        int number = 0;
        // None without a view or without a width in the resolution.
        std::optional<DetailFigures> detail;
    };

    // One group's detail and its problem, if any: what a card shows, from
    // the same rule as the whole check's.
    static Group checkGroup(const PlanGroup& group, int row, std::optional<SiteProblem>* problem);

    // disks: the disks available; none to use the plan's own (0 there:
    // none given, no days asked).
    explicit SiteCheck(const PlanData& plan, std::optional<int> disks = std::nullopt);

    const QVector<Group>& groups() const { return m_groups; }
    const std::optional<DiskDays>& days() const { return m_days; }
    const QVector<SiteProblem>& problems() const { return m_problems; }
    // In the order of the plan's network; empty without one.
    const QVector<SwitchFigures>& switches() const { return m_switches; }
    const QVector<RecorderFigures>& recorders() const { return m_recorders; }
    // The plain load of the flows that leave through the site uplink: all of
    // them when the plan has no network.
    double siteLoadKbps() const { return m_siteLoadKbps; }
    // The worst state of a row's group: its own detail, and the switch and
    // recorder it is on.
    CheckState groupState(int row) const;
    bool hasOver() const;
    // The problems of one row of the plan.
    QVector<SiteProblem> problemsOfRow(int row) const;
    // The site's shortfall of disks for the days asked, if any.
    const SiteProblem* siteProblem() const;

    // {"problems":[...],"switches":[...],"recorders":[...],"groups":[{"number":1,"pxPerM":131.2,"level":"recognise",
    // "farthestM":13.1,"state":"ok"}]} as the command line prints it; with
    // "days" and "factor" when disks were given.
    QByteArray toJson() const;

    // "Recognise up to 13.1 m" and the like, as the window shows a figure.
    static QString pxPerMText(double pxPerM);
    static QString metresText(double metres);
    // [{"number":1,"retentionDays":41},...]: the days kept on the disks.
    static QByteArray daysJson(const DiskDays& days);

private:
    void checkDetail(int row, const PlanGroup& group);
    void checkDays(const PlanData& plan, int disks);

    QVector<Group> m_groups;
    std::optional<DiskDays> m_days;
    QVector<SiteProblem> m_problems;
    QVector<SwitchFigures> m_switches;
    QVector<RecorderFigures> m_recorders;
    QVector<CheckState> m_groupStates;
    double m_siteLoadKbps = 0.0;
};
