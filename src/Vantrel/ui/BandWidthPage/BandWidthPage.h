#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class BandWidthPage;
}

// The column beside the device list: channel, IPC and DVR counts and the
// total bandwidth of all groups. It shows what the device add page computed.
class BandWidthPage : public QWidget
{
    Q_OBJECT

public:
    explicit BandWidthPage(QWidget* parent = nullptr);
    ~BandWidthPage() override;

public Q_SLOTS:
    void setChannelCount(const QString& value);
    void setIPCCount(const QString& value);
    void setDVRCount(const QString& value);
    void setBandWidthCount(const QString& value, const QString& unit);
    void onSetAllCount(const QString& channelCount, const QString& IPCCount, const QString& DVRCount,
                       const QString& bandWidth, const QString& unit);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitBandWidthLabel();

    std::unique_ptr<Ui::BandWidthPage> m_ui;
    QString m_channelTemplate;
    QString m_IPCTemplate;
    QString m_DVRTemplate;
    QString m_bandWidthTemplate;
    // The total shown, for a new width.
    QString m_bandWidth;
    QString m_unit;
};
