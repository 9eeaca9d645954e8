#pragma once

#include <data/BandwidthTotal.h>
#include <data/DeviceTypes.h>

#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class DeviceItemWidget;
class DeviceListWidget;
class EncodingCalculator;

namespace Ui {
class DeviceAddWidget;
}

// The list of device groups on the bandwidth tab. The groups live only in
// their cards; after every change the page publishes the channel counts and
// the total bandwidth with its margin and unit.
class DeviceAddPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceAddPage(QWidget* parent = nullptr);
    ~DeviceAddPage() override;

    // The translated word of a total's unit ("Kpbs", "Mpbs", "Gpbs").
    static QString unitText(BandwidthTotal::Unit unit);

Q_SIGNALS:
    void signalDeviceChanged(QString channelCount, QString IPCCount, QString DVRCount, QString bandWidth,
                             QString unit);
    // The group number that became free, or 0 when all groups were removed.
    void signalDeviceDelete(int deviceGroupNumber);
    void signalCover();
    void signalDisvocer();

public Q_SLOTS:
    void onSetDeviceTypeData(QVector<StructDeviceItem> deviceItems);
    void onAddDeviceTypeItem(StructDeviceItem deviceTypeItem);
    void onDeleteDeviceItem(QWidget* cell, int deviceGroupNumber);
    int getDeviceGroupNumber() const;
    int getAllDeviceCount() const;
    int getIPCCount() const;
    int getDVRCount() const;
    void clearDeviceItems();
    void onFrametareStandardChanged(VideoStandard videoStandardValue);

private:
    struct Counts
    {
        qint64 all = 0;
        qint64 ipc = 0;
        qint64 dvr = 0;

        void add(const StructDeviceItem& group);
    };

    QList<DeviceItemWidget*> cards() const;
    Counts countChannels() const;
    void updateTotals();
    // Rewrites the frame rate of one card for the other standard; the rate
    // follows only while it is still the recommended one.
    void convertCard(DeviceItemWidget* card, VideoStandard target);

    std::unique_ptr<Ui::DeviceAddWidget> m_ui;
    std::unique_ptr<EncodingCalculator> m_calculator;
};
