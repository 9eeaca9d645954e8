#include "DeviceInfoManager.h"

#include "DeviceConfigStore.h"

DeviceInfoManager::DeviceInfoManager(QObject* parent)
    : QObject(parent)
    , m_store(std::make_unique<DeviceConfigStore>())
{
    QStringList ipc;
    m_store->getResolutions(ipc, defaultTableCode(DeviceKind::Ipc));
    QStringList dvr;
    m_store->getResolutions(dvr, defaultTableCode(DeviceKind::Dvr));
    resolutionLists << ipc << dvr;
    m_store->getScenceNames(sceneNames);
}

DeviceInfoManager::~DeviceInfoManager() = default;

QStringList DeviceInfoManager::getResolutions(int type) const
{
    if (type == resolutionListCode(DeviceKind::Ipc))
        return resolutionLists.at(0);
    if (type == resolutionListCode(DeviceKind::Dvr))
        return resolutionLists.at(1);
    return {};
}

QStringList DeviceInfoManager::getScenceNames() const
{
    return sceneNames;
}

QString DeviceInfoManager::getScenceName(int index) const
{
    return sceneNames.value(index);
}

QString DeviceInfoManager::getScencePicture(const QString& scene, const QString& encoding, const QString& resolution) const
{
    return m_store->getScencePicture(scene, encoding, resolution);
}

int DeviceInfoManager::getScenceBitrate(const QString& scene, const QString& encoding, const QString& resolution) const
{
    return m_store->getScenceBitrate(scene, encoding, resolution);
}

QStringList DeviceInfoManager::getFrameRateTexts(VideoStandard standard) const
{
    return m_store->getFrameRateTexts(standard);
}

int DeviceInfoManager::takeGroupNumber()
{
    int number = nextGroupNumber;
    while (usedGroupNumbers.contains(number))
        ++number;
    usedGroupNumbers.insert(number);
    nextGroupNumber = number + 1;
    return number;
}

void DeviceInfoManager::releaseGroupNumber(int number)
{
    if (number == 0) {
        usedGroupNumbers.clear();
        nextGroupNumber = 1;
        return;
    }
    usedGroupNumbers.remove(number);
    if (number <= nextGroupNumber)
        nextGroupNumber = number;
}

void DeviceInfoManager::reserveGroupNumber(int number)
{
    if (number > 0)
        usedGroupNumbers.insert(number);
}
