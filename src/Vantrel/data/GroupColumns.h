#pragma once

#include <QString>
#include <QStringList>

// The columns of the reports' group table (CSV and workbook), which is also
// what a table of groups is imported from. Each has its English heading,
// which the reports translate, and the Chinese one, so a table written in
// either language reads back.
class GroupColumns
{
public:
    enum Column {
        Number, Name, Type, Channels, Streams, Resolution, FrameRate, Encoding, Rate,
        // Figures the report works out: known, never read.
        Bandwidth, Share, Storage, DetailPxPerM, LevelMet,
        LevelRequired,
        Farthest,
        Scene, Recording, HoursPerDay, EventShare, RetentionDays, RecordedStreams, NightHours, NightFactor,
        AudioKbps, EventRetentionDays, FieldOfView, FocalLength, SensorWidth, Distance,
        Switch, Recorder, PoeClass,
        Count,
        Unknown = -1
    };

    static QString english(Column column);
    static QString chinese(Column column);
    // The column a heading names, in either language; spaces, case and
    // full-width brackets do not count. Unknown for any other heading.
    static Column fromHeading(const QString& heading);
    // Whether an import reads the column (the worked-out figures it does not).
    static bool isRead(Column column);
    // The columns every report adds after its figures, so a group reads
    // back whole.
    static QList<Column> settingsColumns();
};
