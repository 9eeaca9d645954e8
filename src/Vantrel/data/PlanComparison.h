#pragma once

#include "PlanTypes.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// Two plans side by side: the figures a design is judged by, each taken from
// the function the tabs and the command line take it from, and the groups
// that differ, matched by their numbers. The window's comparison and
// "vantrel-cli diff" both read it, so they cannot disagree.
class PlanComparison
{
    Q_DECLARE_TR_FUNCTIONS(PlanComparison)

public:
    struct Figures
    {
        // The Bandwidth tab's total, headroom included.
        double bandwidthKbps = 0.0;
        // As the Bandwidth tab shows it ("585.2", "Mbps").
        QString bandwidthText;
        QString bandwidthUnit;
        double storageTB = 0.0;
        QString storageTBText;
        qint64 disks = 0;
        int warnings = 0;
        int overs = 0;
    };

    struct ChangedGroup
    {
        int number = 0;
        // The plan file's keys of what differs ("encoding", "bitrateKbps",
        // "recording.retentionDays", ...).
        QStringList fields;
    };

    PlanComparison(const PlanData& a, const PlanData& b);

    static Figures figuresOf(const PlanData& plan);
    // The keys of what differs between two groups of the same number.
    static QStringList differingFields(const PlanGroup& a, const PlanGroup& b);

    const Figures& a() const { return m_a; }
    const Figures& b() const { return m_b; }
    // Numbers in b only, in a only, and in both with other content; each in
    // ascending order.
    const QVector<int>& added() const { return m_added; }
    const QVector<int>& removed() const { return m_removed; }
    const QVector<ChangedGroup>& changed() const { return m_changed; }

    // {"a":{"bandwidthKbps":..,"bandwidthMbps":..,"bandwidthText":..,"unit":..,"storageTB":..,
    // "disks":..,"problems":{"warn":..,"over":..}},"b":{...},
    // "groups":{"added":[..],"removed":[..],"changed":[{"number":..,"fields":[..]}]}}
    QByteArray toJson() const;
    // The total in Mbps to three decimals, as the JSON writes it; the
    // window's figure (bandwidthText) is rounded up to a tenth.
    static double mbpsOf(double kbps);

private:
    Figures m_a;
    Figures m_b;
    QVector<int> m_added;
    QVector<int> m_removed;
    QVector<ChangedGroup> m_changed;
};
