#pragma once

#include "NetworkFigures.h"
#include "PixelDensity.h"
#include "PlanTotals.h"
#include "PlanTypes.h"
#include "ReportStorage.h"
#include "SiteCheck.h"
#include "UplinkCheck.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <optional>

// A plan as a customer reads it: every figure of the report worked out once,
// so the PDF, the workbook and the CSV cannot disagree. Figures stay numbers
// here; each output writes them in its own way.
class PlanReport
{
public:
    struct Group
    {
        int number = 0;
        QString name;
        QString deviceType;
        int channels = 0;
        int streams = 0;
        QString resolution;
        // Empty for a group that takes its rate from a scene.
        QString frameRate;
        QString scene;
        QString encoding;
        // One stream's rate.
        double rateKbps = 0;
        // The group's load with the bandwidth tab's margin (× 10 / 7), so the
        // groups add up to the shown total rather than to 70 % of it.
        double bandwidthKbps = 0;
        // Of the plan's summed load, 0 to 1; 0 when the plan carries nothing.
        double share = 0;
        // Present when the report has its storage part.
        std::optional<long double> storageBytes;
        // What the cameras see at their distance, when the group says and
        // its resolution gives a width; and the level asked for there.
        std::optional<DetailFigures> detail;
        std::optional<DetailLevel> required;
        // The rest of the group, so a table of the report reads back whole.
        RecordingSettings recording;
        ViewSettings view;
        NetworkPlace network;
    };

    // What page 1 says about the site besides its name; empty when not set.
    struct Properties
    {
        QString customer;
        QString address;
        QString designer;
        // PNG or JPEG bytes as the plan holds them.
        QByteArray logo;
    };

    // A switch of the site's network with the checker's figures for it.
    struct Switch
    {
        QString name;
        // Empty for a switch that hangs from the site uplink.
        QString parent;
        SwitchFigures figures;
    };

    struct Recorder
    {
        QString name;
        QString switchId;
        RecorderFigures figures;
    };

    // A rule the plan breaks or comes near, and the name of what breaks it:
    // the switch's, the recorder's or the group's; empty for the site.
    struct Problem
    {
        SiteProblem problem;
        QString name;
    };

    enum class StoragePart { Included, Left };

    PlanReport(const PlanData& plan, const QDate& date, StoragePart storage = StoragePart::Included);
    // With the plan's check already made, as the window holds it.
    PlanReport(const PlanData& plan, const SiteCheck& check, const QDate& date,
               StoragePart storage = StoragePart::Included);

    const QString& siteName() const { return m_siteName; }
    const QString& notes() const { return m_notes; }
    const Properties& properties() const { return m_properties; }
    const QDate& date() const { return m_date; }
    VideoStandard videoStandard() const { return m_videoStandard; }
    const QVector<Group>& groups() const { return m_groups; }
    // Whether any group has a detail figure: the report then shows them.
    bool hasDetail() const { return m_hasDetail; }
    // Whether any group says what its cameras see (with or without a figure).
    bool hasView() const { return m_hasView; }
    // The figures of the bandwidth tab, its rounding and unit included.
    const PlanTotals& totals() const { return m_totals; }
    const std::optional<ReportStorage>& storage() const { return m_storage; }
    // The plain load of the flows that leave through the site's uplink
    // against it, as the gauge shows it.
    const UplinkCheck& uplinkCheck() const { return m_uplinkCheck; }

    // The network as the checker sees it, in the plan's order; empty
    // without one.
    const QVector<Switch>& switches() const { return m_switches; }
    const QVector<Recorder>& recorders() const { return m_recorders; }
    bool hasNetwork() const { return !m_switches.isEmpty() || !m_recorders.isEmpty(); }
    // Every warn and over of the checker, in its order.
    const QVector<Problem>& problems() const { return m_problems; }
    // Whether the report says what the checks found: a plan with a network,
    // or with a problem. A plan with neither reads as it always did.
    bool hasChecks() const { return hasNetwork() || !m_problems.isEmpty(); }

    // Headroom the bandwidth tab puts on the summed load.
    static double withMargin(double loadKbps) { return loadKbps * 10.0 / 7.0; }

private:
    QString m_siteName;
    QString m_notes;
    Properties m_properties;
    QDate m_date;
    VideoStandard m_videoStandard = PAL;
    QVector<Group> m_groups;
    bool m_hasDetail = false;
    bool m_hasView = false;
    PlanTotals m_totals;
    std::optional<ReportStorage> m_storage;
    UplinkCheck m_uplinkCheck;
    QVector<Switch> m_switches;
    QVector<Recorder> m_recorders;
    QVector<Problem> m_problems;
};
