#include "PackedGroups.h"

#include <QDataStream>
#include <QHash>
#include <QIODevice>

#include <type_traits>

namespace {

// A plan repeats a few device types, resolutions, rates, encodings and
// scenes thousands of times: each text is stored once and the groups refer
// to it, so unpacking makes each once too and the groups share it. Names
// are each a group's own and are stored as they are.
class TextTable
{
public:
    quint32 indexOf(const QString& text)
    {
        const auto known = m_indexes.constFind(text);
        if (known != m_indexes.constEnd())
            return *known;
        const quint32 index = quint32(m_texts.size());
        m_indexes.insert(text, index);
        m_texts.append(text);
        return index;
    }
    const QVector<QString>& texts() const { return m_texts; }

private:
    QHash<QString, quint32> m_indexes;
    QVector<QString> m_texts;
};

struct PackedGroup
{
    quint32 deviceType, spareText, sceneName, encodingType, resolution, frameRate;
    bool spareFlag;
    qint32 streamCount, channelCount, groupNumber;
    double bitrate;
    RecordingSettings recording;
    ViewSettings view;
};

// Copied as raw bytes, within this process only.
static_assert(std::is_trivially_copyable_v<PackedGroup>);

} // namespace

PackedGroups::PackedGroups(const QVector<PlanGroup>& groups)
    : m_count(groups.size())
{
    TextTable table;
    QVector<PackedGroup> packed;
    packed.reserve(groups.size());
    for (const PlanGroup& group : groups) {
        const StructDeviceItem& device = group.device;
        const RecordingSettings& recording = group.recording;
        packed.append(PackedGroup{ table.indexOf(device.deviceType), table.indexOf(device.spareText), table.indexOf(device.sceneName),
                                   table.indexOf(device.encodingType), table.indexOf(device.resolution),
                                   table.indexOf(device.frameRate), device.spareFlag, device.streamCount,
                                   device.channelCount, device.groupNumber, device.bitrate, recording,
                                   group.view });
    }
    QDataStream out(&m_bytes, QIODevice::WriteOnly);
    out << table.texts();
    out.writeRawData(reinterpret_cast<const char*>(packed.constData()), int(packed.size() * sizeof(PackedGroup)));
    for (const PlanGroup& group : groups)
        out << group.device.channelName;
}

QVector<PlanGroup> PackedGroups::unpack() const
{
    QDataStream in(m_bytes);
    QVector<QString> texts;
    in >> texts;
    QVector<PackedGroup> packed(m_count);
    in.readRawData(reinterpret_cast<char*>(packed.data()), int(packed.size() * sizeof(PackedGroup)));
    const auto text = [&texts](quint32 index) { return texts.value(index); };
    QVector<PlanGroup> groups;
    groups.reserve(m_count);
    for (const PackedGroup& p : std::as_const(packed)) {
        PlanGroup group;
        StructDeviceItem& device = group.device;
        device.deviceType = text(p.deviceType);
        device.spareText = text(p.spareText);
        device.sceneName = text(p.sceneName);
        device.encodingType = text(p.encodingType);
        device.resolution = text(p.resolution);
        device.frameRate = text(p.frameRate);
        device.spareFlag = p.spareFlag;
        device.streamCount = p.streamCount;
        device.channelCount = p.channelCount;
        device.groupNumber = p.groupNumber;
        device.bitrate = p.bitrate;
        group.recording = p.recording;
        group.view = p.view;
        groups.append(group);
    }
    for (PlanGroup& group : groups)
        in >> group.device.channelName;
    return groups;
}
