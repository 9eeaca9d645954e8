#include "DeviceGroupBuilder.h"

DeviceGroupBuilder::DeviceGroupBuilder(const QString& deviceType, const QString& name, int number)
{
    m_item.deviceType = deviceType;
    m_item.channelName = QStringLiteral("%1(%2)").arg(name).arg(number);
    m_item.groupNumber = number;
    m_item.encodingType = QStringLiteral("H.264");
    m_item.streamCount = 1;
    m_item.channelCount = 1;
    m_item.resolution = QStringLiteral("1080P(1920x1080)");
    m_item.frameRate = QStringLiteral("25");
}

DeviceGroupBuilder& DeviceGroupBuilder::channels(int channelCount, int streamCount)
{
    m_item.channelCount = channelCount;
    m_item.streamCount = streamCount;
    return *this;
}

DeviceGroupBuilder& DeviceGroupBuilder::resolution(const QString& resolution)
{
    m_item.resolution = resolution;
    return *this;
}

DeviceGroupBuilder& DeviceGroupBuilder::frameRate(const QString& frameRate)
{
    m_item.frameRate = frameRate;
    return *this;
}

DeviceGroupBuilder& DeviceGroupBuilder::rate(double kbps)
{
    m_item.bitrate = kbps;
    return *this;
}

DeviceGroupBuilder& DeviceGroupBuilder::encoding(const QString& encodingType)
{
    m_item.encodingType = encodingType;
    return *this;
}

DeviceGroupBuilder& DeviceGroupBuilder::scene(const QString& sceneName)
{
    m_item.sceneName = sceneName;
    m_item.frameRate.clear();
    return *this;
}
