#pragma once

#include <data/DeviceTypes.h>

#include <QString>

// Device groups as the editor would add them, for tests, benchmarks and
// renderers: one H.264 stream per channel of one channel at 1080P and 25 fps
// unless told otherwise, named "<name>(<number>)" as the editor names them.
//   StructDeviceItem lobby = DeviceGroupBuilder("IPC", "Lobby", 1).channels(8, 2).rate(4096);
class DeviceGroupBuilder
{
public:
    DeviceGroupBuilder(const QString& deviceType, const QString& name, int number);

    DeviceGroupBuilder& channels(int channelCount, int streamCount = 1);
    DeviceGroupBuilder& resolution(const QString& resolution);
    DeviceGroupBuilder& frameRate(const QString& frameRate);
    DeviceGroupBuilder& rate(double kbps);
    DeviceGroupBuilder& encoding(const QString& encodingType);
    // A scene group has no frame rate of its own.
    DeviceGroupBuilder& scene(const QString& sceneName);

    StructDeviceItem item() const { return m_item; }
    operator StructDeviceItem() const { return m_item; }

private:
    StructDeviceItem m_item;
};
