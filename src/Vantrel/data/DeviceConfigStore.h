#pragma once

#include "DataProblem.h"
#include "DeviceKind.h"
#include "DeviceTables.h"
#include "DeviceTypes.h"
#include "SceneTable.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

// Everything the program knows about devices, from the data files beside
// the executable: the tables are read once per process (DeviceTablesLoader)
// and shared by every store. Only the scene table is read anew on each
// query, so a replaced table shows in the rates and pictures at once.
class DeviceConfigStore
{
    Q_DECLARE_TR_FUNCTIONS(DeviceConfigStore)

public:
    // Beyond any camera; keeps a bitrate at this rate a finite figure.
    static constexpr double kMaxFrameRate = 1000.0;
    // 10 Tbps: beyond any link, and every kbps figure stays exact in a double.
    static constexpr double kMaxLinkMbps = 10000000.0;

    DeviceConfigStore();

    bool isLoaded() const { return true; }
    // Everything the loading refused or could not read, in file order; the
    // rows named here are not in the tables.
    const DataProblems& loadProblems() const { return m_tables->problems; }

    // The picture-name rule of the scene table (SceneTable).
    static QString pictureFileName(const QString& picturePath);

    // type 1 = IPC, any other = DVR (defaultTableCode)
    bool getResolutions(QStringList& out, int type) const;
    QStringList getFrameRateTexts(VideoStandard standard) const;
    double getFrameRateValue(const QString& show, int standard) const;
    QVector<ShowValueItem> getFrameRateTable(int standard) const;

    QStringList getEncodeTypes() const;
    // type 0 = IPC, 1 = DVR (encodingCode)
    QVector<BitrateEntry> getEncodingTable(const QString& encoding, int type) const;
    void setCurrentEncoding(const QString& encoding);
    QString currentEncodingType() const { return currentEncoding; }
    // type 1 = IPC, any other = DVR (defaultTableCode)
    int getDefaultEncodingBitrate(const QString& resolution, int type) const;

    void getConnectionTypes(QStringList& out) const;
    QVector<ShowValueItem> getConnectionBandwidths(const QString& type) const;
    double getConnectionBandwidth(const QString& type, const QString& show) const;

    bool getScenceNames(QStringList& out) const;
    bool getScenceResolutions(const QString& scene, QStringList& out) const;
    bool getScenceEncodeTypes(const QString& scene, const QString& resolution, QStringList& out) const;
    QString getScencePicture(const QString& scene, const QString& encoding, const QString& resolution) const;
    int getScenceBitrate(const QString& scene, const QString& encoding, const QString& resolution) const;

private:
    enum class SceneScan { Finished, Stopped, ShortRow, Unreadable };
    using SceneRowVisitor = std::function<bool(const SceneTable::Row& row)>;

    // Visits the scene rows after the header; the visitor returns false to
    // stop. Rows with fewer than five fields stop the scan unless accepted.
    SceneScan scanScenes(const SceneRowVisitor& visit, bool acceptShortRows) const;

    // Read once per process and shared by every store.
    std::shared_ptr<const DeviceTables> m_tables;
    QString currentEncoding;
};
