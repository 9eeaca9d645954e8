#pragma once

#include "DeviceKind.h"
#include "DeviceTypes.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <memory>

class DeviceConfigStore;

// Keeps the lists the device editor offers ready, and hands out the channel
// group numbers that identify the groups in the device list.
class DeviceInfoManager : public QObject
{
    Q_OBJECT

public:
    explicit DeviceInfoManager(QObject* parent = nullptr);
    ~DeviceInfoManager() override;

    // type 1 = IPC, 2 = DVR (resolutionListCode)
    QStringList getResolutions(int type) const;
    QStringList getScenceNames() const;
    QString getScenceName(int index) const;
    QString getScencePicture(const QString& scene, const QString& encoding, const QString& resolution) const;
    int getScenceBitrate(const QString& scene, const QString& encoding, const QString& resolution) const;
    QStringList getFrameRateTexts(VideoStandard standard) const;

    // The lowest free number from the next-number hint upwards.
    int takeGroupNumber();
    // Frees one number; 0 frees them all.
    void releaseGroupNumber(int number);
    // Marks a number as used by a group that came back (undo, an opened
    // plan) rather than through takeGroupNumber().
    void reserveGroupNumber(int number);

private:
    std::unique_ptr<DeviceConfigStore> m_store;
    QList<QStringList> resolutionLists;
    QStringList sceneNames;
    int nextGroupNumber = 1;
    // A set: an opened plan of thousands of groups reserves each of them.
    QSet<int> usedGroupNumbers;
};
