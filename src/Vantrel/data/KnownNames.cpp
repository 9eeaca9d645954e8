#include "KnownNames.h"

#include "DeviceConfigStore.h"

const QStringList& KnownNames::resolutions(DeviceKind kind)
{
    QStringList& list = kind == DeviceKind::Ipc ? m_ipcResolutions : m_dvrResolutions;
    if (list.isEmpty())
        m_store.getResolutions(list, defaultTableCode(kind));
    return list;
}

const QStringList& KnownNames::frameRates(VideoStandard standard)
{
    QStringList& list = standard == NTSC ? m_ntscFrames : m_palFrames;
    if (list.isEmpty())
        list = m_store.getFrameRateTexts(standard);
    return list;
}

const QStringList& KnownNames::encodings()
{
    if (m_encodings.isEmpty())
        m_encodings = m_store.getEncodeTypes();
    return m_encodings;
}
