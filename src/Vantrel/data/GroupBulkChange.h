#pragma once

#include "PlanTypes.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

#include <optional>

class EncodingCalculator;

// A change of many groups at once. For each field it knows whether the
// chosen groups share its value (the form shows a shared value and leaves a
// mixed field blank), and applies only the fields the user set, so whatever
// differs between the groups and was not touched stays as each group had it.
// A group's rate follows the new fields as the editor's would for one group:
// a fixed-rate group gets the calculator's rate, a scene group its scene's.
class GroupBulkChange
{
public:
    // One value per field; empty: not shared (as read) or not changed (as
    // applied).
    struct Fields
    {
        std::optional<QString> deviceType;
        std::optional<int> channels;
        std::optional<int> streams;
        std::optional<QString> encoding;
        std::optional<QString> resolution;
        std::optional<QString> frameRate;
        std::optional<RecordingSettings::Mode> mode;
        std::optional<double> hoursPerDay;
        std::optional<int> retentionDays;
        std::optional<int> recordedStreams;

        bool isEmpty() const;
    };
    using RowChange = QPair<int, PlanGroup>;

    // The values all these groups hold alike; every field is empty for no
    // groups.
    static Fields shared(const QVector<PlanGroup>& groups);

    explicit GroupBulkChange(const Fields& changes);

    // The group with the changes made and its rate recomputed; the video
    // standard tells the frame rate's value.
    PlanGroup applied(PlanGroup group, VideoStandard standard, EncodingCalculator& calculator) const;
    // The rows of these groups that the change alters, each with its new
    // content, in the order given.
    QVector<RowChange> changedRows(const QVector<PlanGroup>& groups, const QVector<int>& rows,
                                   VideoStandard standard, EncodingCalculator& calculator) const;

private:
    // A scene's rate by scene, encoding and resolution: the scene table is
    // read anew on each question, so a change of many groups asks once.
    using SceneRates = QHash<QString, int>;
    PlanGroup apply(PlanGroup group, VideoStandard standard, EncodingCalculator& calculator,
                    SceneRates& sceneRates) const;

    Fields m_changes;
};
