#include "DeviceAddPage.h"

#include "ui_DeviceAddPage.h"

#include "DeviceItemWidget/DeviceItemWidget.h"
#include "DeviceListWidget/DeviceListWidget.h"

#include <data/DeviceKind.h>
#include <data/EncodingCalculator.h>

#include <algorithm>
#include <limits>

namespace {

// The frame rates that have a counterpart in the other standard; any other
// rate, and the empty rate of a scene group, stays as it is.
QString convertedFrameRate(const QString& frameRate, VideoStandard target)
{
    if (target == PAL) {
        if (frameRate == QLatin1String("30"))
            return QStringLiteral("25");
        if (frameRate == QLatin1String("60"))
            return QStringLiteral("50");
    } else {
        if (frameRate == QLatin1String("25"))
            return QStringLiteral("30");
        if (frameRate == QLatin1String("50"))
            return QStringLiteral("60");
    }
    return QString();
}

int clampedToInt(qint64 value)
{
    return static_cast<int>(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

} // namespace

DeviceAddPage::DeviceAddPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DeviceAddWidget>())
    , m_calculator(std::make_unique<EncodingCalculator>())
{
    m_ui->setupUi(this);
}

DeviceAddPage::~DeviceAddPage()
{
    // Whoever listens learns that every group number is free again and that
    // the totals are zero.
    clearDeviceItems();
}

QString DeviceAddPage::unitText(BandwidthTotal::Unit unit)
{
    switch (unit) {
    case BandwidthTotal::Unit::Gpbs:
        return tr("Gpbs");
    case BandwidthTotal::Unit::Mpbs:
        return tr("Mpbs");
    case BandwidthTotal::Unit::Kpbs:
        break;
    }
    return tr("Kpbs");
}

void DeviceAddPage::onSetDeviceTypeData(QVector<StructDeviceItem> deviceItems)
{
    clearDeviceItems();
    for (const StructDeviceItem& deviceItem : std::as_const(deviceItems))
        onAddDeviceTypeItem(deviceItem);
    updateTotals();
}

void DeviceAddPage::onAddDeviceTypeItem(StructDeviceItem deviceTypeItem)
{
    DeviceListWidget* list = m_ui->deviceListWidget;
    auto* card = new DeviceItemWidget(list, deviceTypeItem); // the list owns its cells
    list->addCell(card, DeviceListWidget::cellSizeForWidth(width()));
    connect(card, &DeviceItemWidget::signalDeleteClicked, this, &DeviceAddPage::onDeleteDeviceItem);
    updateTotals();
}

void DeviceAddPage::onDeleteDeviceItem(QWidget* cell, int deviceGroupNumber)
{
    DeviceListWidget* list = m_ui->deviceListWidget;
    // A card that is no longer listed (a second click before it went away, a
    // stale pointer) must not free a group number a second time: the number
    // may already belong to a new group.
    if (!cell || !list->cellList().contains(cell))
        return;
    list->removeCell(cell);
    Q_EMIT signalDeviceDelete(deviceGroupNumber);
    updateTotals();
}

int DeviceAddPage::getDeviceGroupNumber() const
{
    return m_ui->deviceListWidget->cellCount();
}

int DeviceAddPage::getAllDeviceCount() const
{
    return clampedToInt(countChannels().all);
}

int DeviceAddPage::getIPCCount() const
{
    return clampedToInt(countChannels().ipc);
}

int DeviceAddPage::getDVRCount() const
{
    return clampedToInt(countChannels().dvr);
}

void DeviceAddPage::clearDeviceItems()
{
    m_ui->deviceListWidget->clearCell();
    updateTotals();
    Q_EMIT signalDeviceDelete(0);
}

void DeviceAddPage::onFrametareStandardChanged(VideoStandard videoStandardValue)
{
    if (videoStandardValue != PAL && videoStandardValue != NTSC)
        return;
    for (DeviceItemWidget* card : cards())
        convertCard(card, videoStandardValue);
    updateTotals();
}

QList<DeviceItemWidget*> DeviceAddPage::cards() const
{
    QList<DeviceItemWidget*> result;
    const QList<QWidget*> cells = m_ui->deviceListWidget->cellList();
    result.reserve(cells.size());
    for (QWidget* cell : cells) {
        if (auto* card = qobject_cast<DeviceItemWidget*>(cell))
            result.append(card);
    }
    return result;
}

DeviceAddPage::Counts DeviceAddPage::countChannels() const
{
    Counts counts;
    for (const DeviceItemWidget* card : cards())
        counts.add(card->deviceItemRef());
    return counts;
}

void DeviceAddPage::Counts::add(const StructDeviceItem& group)
{
    // A negative count is no count of channels at all.
    const qint64 channels = std::max(group.channelCount, 0);
    all += channels;
    const std::optional<DeviceKind> kind = deviceKindFromText(group.deviceType);
    if (kind == DeviceKind::Ipc)
        ipc += channels;
    else if (kind == DeviceKind::Dvr)
        dvr += channels;
}

void DeviceAddPage::updateTotals()
{
    // One walk over the cards gives the load and the three counts.
    BandwidthTotal total;
    Counts counts;
    for (const DeviceItemWidget* card : cards()) {
        const StructDeviceItem& group = card->deviceItemRef();
        total.add(m_calculator->calculateBandwidth(group.bitrate, std::max(group.channelCount, 0),
                                                   std::max(group.streamCount, 0)));
        counts.add(group);
    }
    Q_EMIT signalDeviceChanged(QString::number(counts.all), QString::number(counts.ipc),
                               QString::number(counts.dvr), total.text(), unitText(total.unit()));
}

void DeviceAddPage::convertCard(DeviceItemWidget* card, VideoStandard target)
{
    const StructDeviceItem group = card->deviceItem();
    m_calculator->setEncodeType(group.encodingType);

    // Scene groups have no frame rate of their own.
    if (!group.sceneName.isEmpty())
        return;
    const QString newFrameRate = convertedFrameRate(group.frameRate, target);
    if (newFrameRate.isEmpty())
        return;
    const std::optional<DeviceKind> deviceKind = deviceKindFromText(group.deviceType);
    if (!deviceKind)
        return;
    const int kind = encodingCode(*deviceKind);

    // The four convertible texts are all plain numbers.
    const double oldRecommended = m_calculator->calculateBitrate(kind, group.resolution, group.frameRate.toDouble());
    double rate = group.bitrate;
    if (wholeKbps(oldRecommended) == wholeKbps(group.bitrate))
        rate = m_calculator->calculateBitrate(kind, group.resolution, newFrameRate.toDouble());
    card->setFrameRateAndBitRate(newFrameRate, rate);
}
