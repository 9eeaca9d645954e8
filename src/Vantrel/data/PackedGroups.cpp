#include "PackedGroups.h"

#include <QHash>

#include <type_traits>

// Kept in flat arrays and copied as they are, within this process only.
static_assert(std::is_trivially_copyable_v<PackedGroups::Packed>);

namespace {

using P = PackedGroups::Packed;

// A plan repeats a few device types, resolutions, rates, encodings, scenes
// and network ids thousands of times: each text is stored once and the
// groups refer to it, so unpacking makes each once too and the groups share
// it. The groups of a plan read from a file or made in a row already share
// these texts, so a text that is the very one (same characters in memory) the previous group had in that
// field skips the lookup.
class TextTable
{
public:
    explicit TextTable(QVector<QString>* texts)
        : m_texts(texts)
    {
    }

    quint32 indexOf(int field, const QString& text)
    {
        Last& last = m_last[size_t(field)];
        if (last.chars && last.chars == text.constData() && last.size == text.size())
            return last.index;
        const auto known = m_indexes.constFind(text);
        quint32 index;
        if (known != m_indexes.constEnd()) {
            index = *known;
        } else {
            index = quint32(m_texts->size());
            m_indexes.insert(text, index);
            m_texts->append(text);
        }
        last = { text.constData(), text.size(), index };
        return index;
    }

private:
    struct Last
    {
        const QChar* chars = nullptr;
        qsizetype size = 0;
        quint32 index = 0;
    };
    QVector<QString>* m_texts;
    QHash<QString, quint32> m_indexes;
    std::array<Last, P::TextCount> m_last;
};

} // namespace

PackedGroups::PackedGroups(const QVector<PlanGroup>& groups)
{
    TextTable table(&m_texts);
    qsizetype namesLength = 0;
    for (const PlanGroup& group : groups)
        namesLength += group.device.channelName.size();
    m_names.reserve(namesLength);
    m_groups.reserve(groups.size());
    for (const PlanGroup& group : groups) {
        const StructDeviceItem& device = group.device;
        P packed;
        packed.texts[P::DeviceType] = table.indexOf(P::DeviceType, device.deviceType);
        packed.texts[P::SpareText] = table.indexOf(P::SpareText, device.spareText);
        packed.texts[P::SceneName] = table.indexOf(P::SceneName, device.sceneName);
        packed.texts[P::EncodingType] = table.indexOf(P::EncodingType, device.encodingType);
        packed.texts[P::Resolution] = table.indexOf(P::Resolution, device.resolution);
        packed.texts[P::FrameRate] = table.indexOf(P::FrameRate, device.frameRate);
        packed.texts[P::SwitchId] = table.indexOf(P::SwitchId, group.network.switchId);
        packed.texts[P::RecorderId] = table.indexOf(P::RecorderId, group.network.recorderId);
        // -1 keeps a null name apart from an empty one.
        packed.nameLength = device.channelName.isNull() ? -1 : qint32(device.channelName.size());
        packed.spareFlag = device.spareFlag;
        packed.streamCount = device.streamCount;
        packed.channelCount = device.channelCount;
        packed.groupNumber = device.groupNumber;
        packed.poeClass = group.network.poeClass;
        packed.bitrate = device.bitrate;
        packed.recording = group.recording;
        packed.view = group.view;
        m_groups.append(packed);
        m_names.append(device.channelName);
    }
    // The table took the texts as the groups hold them: it keeps them alone
    // once the groups go.
    for (QString& text : m_texts)
        text.detach();
    m_texts.squeeze();
}

qsizetype PackedGroups::byteSize() const
{
    qsizetype size = m_names.size() * qsizetype(sizeof(QChar)) + m_groups.size() * qsizetype(sizeof(Packed));
    for (const QString& text : m_texts)
        size += text.size() * qsizetype(sizeof(QChar));
    return size;
}

QVector<PlanGroup> PackedGroups::unpack() const
{
    QVector<PlanGroup> groups(m_groups.size());
    const QChar* name = m_names.constData();
    PlanGroup* group = groups.data();
    for (const P& packed : m_groups) {
        StructDeviceItem& device = group->device;
        device.deviceType = m_texts.at(packed.texts[P::DeviceType]);
        if (packed.nameLength >= 0) {
            device.channelName = QString(name, packed.nameLength);
            name += packed.nameLength;
        }
        device.spareText = m_texts.at(packed.texts[P::SpareText]);
        device.spareFlag = packed.spareFlag;
        device.sceneName = m_texts.at(packed.texts[P::SceneName]);
        device.encodingType = m_texts.at(packed.texts[P::EncodingType]);
        device.streamCount = packed.streamCount;
        device.channelCount = packed.channelCount;
        device.resolution = m_texts.at(packed.texts[P::Resolution]);
        device.frameRate = m_texts.at(packed.texts[P::FrameRate]);
        device.bitrate = packed.bitrate;
        device.groupNumber = packed.groupNumber;
        group->recording = packed.recording;
        group->view = packed.view;
        group->network.switchId = m_texts.at(packed.texts[P::SwitchId]);
        group->network.recorderId = m_texts.at(packed.texts[P::RecorderId]);
        group->network.poeClass = packed.poeClass;
        ++group;
    }
    return groups;
}
