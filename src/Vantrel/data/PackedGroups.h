#pragma once

#include "PlanTypes.h"

#include <QString>
#include <QVector>

#include <array>

// A list of groups kept as a few flat blocks while nobody looks at it: an
// undo step that holds a cleared city plan costs a megabyte or two instead
// of ten thousand groups' worth of separate strings, and the memory they
// took can go back to the system. Unpacking gives the very same groups.
class PackedGroups
{
public:
    PackedGroups() = default;
    explicit PackedGroups(const QVector<PlanGroup>& groups);

    QVector<PlanGroup> unpack() const;
    qsizetype byteSize() const;

    // The figures of a group, and its texts as places in the shared table
    // (or, for its name, as a length in the names' block).
    struct Packed
    {
        enum Text { DeviceType, SpareText, SceneName, EncodingType, Resolution, FrameRate, SwitchId, RecorderId, TextCount };
        std::array<quint32, TextCount> texts;
        qint32 nameLength;
        bool spareFlag;
        qint32 streamCount, channelCount, groupNumber, poeClass;
        double bitrate;
        RecordingSettings recording;
        ViewSettings view;
    };

private:
    // The texts groups share (types, scenes, rates, network ids), each once.
    QVector<QString> m_texts;
    // Each group's own name, one after another.
    QString m_names;
    QVector<Packed> m_groups;
};
