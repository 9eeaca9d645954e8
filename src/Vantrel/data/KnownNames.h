#pragma once

#include "DeviceKind.h"
#include "DeviceTypes.h"

#include <QStringList>

class DeviceConfigStore;

// The names the bitrate tables list, asked of the store once each: a plan or
// a table of thousands of groups has only a handful of distinct names.
class KnownNames
{
public:
    explicit KnownNames(const DeviceConfigStore& store)
        : m_store(store)
    {
    }

    const QStringList& resolutions(DeviceKind kind);
    const QStringList& frameRates(VideoStandard standard);
    const QStringList& encodings();
    const DeviceConfigStore& store() const { return m_store; }

private:
    const DeviceConfigStore& m_store;
    QStringList m_ipcResolutions;
    QStringList m_dvrResolutions;
    QStringList m_palFrames;
    QStringList m_ntscFrames;
    QStringList m_encodings;
};
