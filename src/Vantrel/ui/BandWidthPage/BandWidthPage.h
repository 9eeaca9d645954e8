#pragma once

#include <data/BandwidthTotal.h>
#include <data/PlanTypes.h>
#include <data/UplinkCheck.h>

#include <QString>
#include <QWidget>

#include <memory>

class DeviceConfigStore;
class PlanTotals;
class UplinkPicker;

namespace Ui {
class BandWidthPage;
}

// The column beside the device list: channel, IPC and DVR counts and the
// total bandwidth of all groups, and under them the uplink gauge with the
// picker of the site's uplink. It shows the plan document's figures.
//
// The column is hidden behind the placeholder while a plan has no group, so
// its form (a dozen widgets, rich text and the picker) is made when it is
// first shown or asked for; until then it keeps what it was given to show.
class BandWidthPage : public QWidget
{
    Q_OBJECT

public:
    explicit BandWidthPage(QWidget* parent = nullptr);
    ~BandWidthPage() override;

    // Makes the form now, showing what the page was given; once is enough.
    void makeForm();
    bool hasForm() const { return m_ui != nullptr; }
    // Makes the form.
    UplinkPicker* uplinkPicker();

    // The window's word for a total's unit ("Kpbs", "Mpbs", "Gpbs": keys the
    // translations rely on); documents use BandwidthTotal::unitName.
    static QString unitText(BandwidthTotal::Unit unit);

    // The plan's counts, total and uplink gauge, all from one set of totals.
    // siteLoadKbps: the plain load of the flows that leave through the site
    // uplink, which the gauge measures.
    void showPlan(const PlanTotals& totals, double siteLoadKbps, const UplinkSettings& uplink);

public Q_SLOTS:
    void setChannelCount(const QString& value);
    void setIPCCount(const QString& value);
    void setDVRCount(const QString& value);
    void setBandWidthCount(const QString& value, const QString& unit);
    void onSetAllCount(const QString& channelCount, const QString& IPCCount, const QString& DVRCount,
                       const QString& bandWidth, const QString& unit);
    void showUplinkCheck(const UplinkCheck& check);
    // The plan's uplink in the picker; no choice is announced.
    void showUplink(const UplinkSettings& uplink);

Q_SIGNALS:
    void signalUplinkChosen(const UplinkSettings& uplink);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitBandWidthLabel();
    void showCounts();
    void showTotal();

    std::unique_ptr<Ui::BandWidthPage> m_ui; // none until the form is made
    std::unique_ptr<DeviceConfigStore> m_linkStore;
    UplinkPicker* m_uplinkPicker = nullptr;
    // What the page shows, kept for the form and for a new width.
    QString m_channels = QStringLiteral("0");
    QString m_ipcs = QStringLiteral("0");
    QString m_dvrs = QStringLiteral("0");
    UplinkCheck m_check;
    UplinkSettings m_uplink;
    QString m_channelTemplate;
    QString m_IPCTemplate;
    QString m_DVRTemplate;
    QString m_bandWidthTemplate;
    QString m_bandWidth;
    QString m_unit;
    bool m_fitPending = false;
};
