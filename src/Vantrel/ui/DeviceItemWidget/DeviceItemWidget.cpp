#include "DeviceItemWidget.h"

#include "ui_DeviceItemWidget.h"

#include <data/BandwidthTotal.h>
#include <data/DataName.h>
#include <data/ShownRate.h>
#include <data/DeviceKind.h>

#include <Fenwork/PlainText.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Field widths of a card narrower than the one-row width.
constexpr int kCountsWidth = 180;
constexpr int kRateWidth = 180;
constexpr int kThirdWidth = 120;
constexpr int kFourthWidth = 180;
constexpr int kFifthWidth = 120;
// Below the one-row width the fifth field takes what is left of the card.
constexpr int kFifthGrowsFrom = 525;
// Above it the fields share the extra width, up to these amounts.
constexpr int kMaxNarrowFieldGrowth = 40;
constexpr int kMaxWideFieldGrowth = 70;
// What a row of a narrow card keeps beside its fields: the left margin,
// air on the right, and a separating line with its spacing.
constexpr int kRowMargins = 10 + 14;
constexpr int kLineRoom = 6 + 3 + 6;
// The empty count beside the name gives its room to the name on a narrow card.
constexpr int kCountLabelWidth = 120;

QString rateText(double bitrate)
{
    return QString::number(bitrate, 'g', 6);
}

// Draws a label whose text is wider than the label with an ellipsis instead
// of cutting it off mid-letter; the label keeps its full text. Returns false
// when the text fits and the label can paint itself.
bool paintElided(QLabel* label)
{
    const QRect area = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const QString text = label->text();
    if (metrics.horizontalAdvance(text) <= area.width())
        return false;
    QPainter painter(label);
    QStyleOption option;
    option.initFrom(label);
    label->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, label);
    const Qt::Alignment alignment = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    label->style()->drawItemText(&painter, area, static_cast<int>(alignment), label->palette(), label->isEnabled(),
                                 metrics.elidedText(text, Qt::ElideRight, area.width()), label->foregroundRole());
    return true;
}

} // namespace

DeviceItemWidget::DeviceItemWidget(QWidget* parent, const StructDeviceItem& deviceItem)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DeviceItemWidget>())
{
    m_ui->setupUi(this);
    setMinimumWidth(kMinimumWidth);
    // A narrow card's middle row, built like the form's rows.
    auto* middleHolder = new QHBoxLayout;
    middleHolder->setSpacing(0);
    middleHolder->setContentsMargins(10, 0, 0, 0);
    m_middleRow = new QHBoxLayout;
    m_middleRow->setSpacing(6);
    middleHolder->addLayout(m_middleRow);
    middleHolder->addStretch(1);
    m_ui->verticalLayout->insertLayout(m_ui->verticalLayout->indexOf(m_ui->m_hlayoutxx) + 1, middleHolder);
    // A long name gives way to the delete button, not the other way round.
    m_ui->m_labelChannelGroupName->installEventFilter(this);
    m_ui->m_labelChannelGroupName->setMinimumWidth(1);
    connect(m_ui->m_btnDelete, &QToolButton::clicked, this, &DeviceItemWidget::OnDeleteButtonClicked);
    // Long resolution and encoding names do not fit the fixed field widths.
    for (QLabel* label : fieldLabels())
        label->installEventFilter(this);
    m_recordingSummary = new QLabel(this);
    m_recordingSummary->setObjectName(QStringLiteral("m_labelRecordingSummary"));
    m_recordingSummary->setTextFormat(Qt::PlainText);
    m_ui->m_hlayoutTitle->addWidget(m_recordingSummary);
    // A clicked card takes the focus, so Enter can edit it; it never takes
    // it by itself, which would scroll the list.
    setFocusPolicy(Qt::ClickFocus);
    showGroup(deviceItem);
    setLabelWidths(kCountsWidth, kRateWidth, kThirdWidth, kFourthWidth, kFifthWidth);
}

DeviceItemWidget::~DeviceItemWidget() = default;

StructDeviceItem DeviceItemWidget::deviceItem() const
{
    return m_item;
}

void DeviceItemWidget::setFrameRateAndBitRate(const QString& frameRate, double bitrate)
{
    m_ui->m_labelDeviceResolution->setText(tr("Frame Rate : %1").arg(frameRate));
    m_ui->m_labelDeviceBitRate->setText(tr("Fixted Rate : %1 kbps").arg(ShownRate::wholeKbps(bitrate)));
    m_item.frameRate = frameRate;
    m_item.bitrate = bitrate;
}

void DeviceItemWidget::OnDeleteButtonClicked()
{
    Q_EMIT signalDeleteClicked(this, m_item.groupNumber);
}

void DeviceItemWidget::setRecordingSummary(const QString& summary)
{
    m_recordingSummary->setText(summary);
    m_recordingSummary->setToolTip(aptui::PlainText::toolTip(summary));
    fitRecordingSummary(width());
}

void DeviceItemWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT signalEditClicked(m_item.groupNumber);
    event->accept();
}

void DeviceItemWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT signalEditClicked(m_item.groupNumber);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DeviceItemWidget::resizeEvent(QResizeEvent* event)
{
    relayout(event->size().width());
    // The layout placed the fields before this handler ran, with the old
    // arrangement and widths: place them again now instead of a frame later.
    if (QLayout* cardLayout = layout())
        cardLayout->activate();
    QWidget::resizeEvent(event);
}

bool DeviceItemWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && paintElided(label))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceItemWidget::showGroup(const StructDeviceItem& deviceItem)
{
    Ui::DeviceItemWidget& ui = *m_ui;
    const bool isDvr = deviceKindFromText(deviceItem.deviceType.toUpper()) == DeviceKind::Dvr;
    ui.m_labelDeviceTypeIconDVR->setVisible(isDvr);
    ui.m_labelDeviceTypeIconIPC->setVisible(!isDvr);
    // The name comes from the plan file; a long one is cut short on the card
    // and read whole in its tip.
    ui.m_labelChannelGroupName->setText(deviceItem.channelName);
    ui.m_labelChannelGroupName->setToolTip(aptui::PlainText::toolTip(deviceItem.channelName));
    m_item = deviceItem;

    // Empty unless a translation supplies a pattern for the channel count.
    const QString countPattern = tr("");
    const QString countText = countPattern.contains(QLatin1String("%1"))
        ? countPattern.arg(deviceItem.channelCount)
        : countPattern;
    ui.deviceCountLabel->setText(countText);
    ui.deviceCountLabel->setToolTip(countText);

    ui.streamCountsLabel->setText(tr("Stream Counts : %1 x %2").arg(deviceItem.streamCount).arg(deviceItem.channelCount));
    ui.streamCountsLabel->setToolTip(tr("Stream Counts : %1").arg(deviceItem.streamCount));

    const auto setTextAndTip = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->setToolTip(aptui::PlainText::toolTip(text));
    };
    if (deviceItem.sceneName.isEmpty()) {
        setTextAndTip(ui.m_labelDeviceBitRate, tr("Fixted Rate : %1 kbps").arg(rateText(deviceItem.bitrate)));
        setTextAndTip(ui.m_labelDeviceResolution, tr("Frame Rate : %1").arg(deviceItem.frameRate));
        setTextAndTip(ui.m_labelEncodeType, tr("Resolution : %1").arg(deviceItem.resolution));
        setTextAndTip(ui.m_labelScenceName, tr("Encode Type : %1").arg(deviceItem.encodingType));
    } else {
        setTextAndTip(ui.m_labelDeviceBitRate, tr("Variable Rate : %1 kbps").arg(rateText(deviceItem.bitrate)));
        ui.m_labelDeviceResolution->setText(tr("Resolution : %1").arg(deviceItem.resolution));
        ui.m_labelDeviceResolution->setToolTip(QString());
        setTextAndTip(ui.m_labelEncodeType, tr("Encode Type : %1").arg(deviceItem.encodingType));
        setTextAndTip(ui.m_labelScenceName, tr("Scene Type : %1").arg(DataName::shown(deviceItem.sceneName)));
    }

    ui.m_labelScenceName->setVisible(true);
    ui.line4->setVisible(true);
    relayout(width());
}

void DeviceItemWidget::fitRecordingSummary(int width)
{
    // The name has the first claim on the title row: on a card too narrow
    // for both, the summary steps aside (its figures are in the Storage tab).
    constexpr int kBesideTitle = 200; // icon, spacing, margins and the delete button
    const int needed = m_ui->m_labelChannelGroupName->fontMetrics().horizontalAdvance(m_item.channelName)
        + m_recordingSummary->fontMetrics().horizontalAdvance(m_recordingSummary->text()) + kBesideTitle;
    m_recordingSummary->setVisible(!m_recordingSummary->text().isEmpty() && needed <= width);
}

void DeviceItemWidget::relayout(int width)
{
    fitRecordingSummary(width);
    m_ui->deviceCountLabel->setMinimumWidth(width < kTwoRowWidth ? 0 : kCountLabelWidth);
    if (width < kTwoRowWidth) {
        arrange(Arrangement::ThreeRows);
        const int room = std::max(width - kRowMargins, 0);
        const int half = std::min((room - kLineRoom) / 2, kCountsWidth);
        const int third = std::min(kThirdWidth, room / 2);
        setLabelWidths(half, half, third, std::min(room, kFourthWidth * 2), std::max(room - third - kLineRoom, 0));
    } else if (width <= kRateInLowerRowWidth) {
        arrange(Arrangement::RateInUpperRow);
        const int extra = std::max(width - kFifthGrowsFrom, 0);
        setLabelWidths(kCountsWidth, kRateWidth, kThirdWidth, kFourthWidth, kFifthWidth + extra);
    } else if (width < kOneRowWidth) {
        arrange(Arrangement::RateInLowerRow);
        setLabelWidths(kCountsWidth, kRateWidth, kThirdWidth, kFourthWidth,
                       kFifthWidth + (width - kRateInLowerRowWidth));
    } else {
        arrange(Arrangement::OneRow);
        // Whole fifths of the extra width, less one once there is any.
        const int share = static_cast<int>((width - kOneRowWidth) / 5 - 0.5);
        const int narrowGrowth = std::min(share, kMaxNarrowFieldGrowth);
        const int wideGrowth = std::min(share, kMaxWideFieldGrowth);
        setLabelWidths(kCountsWidth + narrowGrowth, kRateWidth + wideGrowth, kThirdWidth + narrowGrowth,
                       kFourthWidth + wideGrowth, kFifthWidth + narrowGrowth);
    }
}

void DeviceItemWidget::arrange(Arrangement arrangement)
{
    // Moving widgets between rows invalidates the card's layout, so it is
    // done only when the arrangement really changes.
    if (arrangement == m_arrangement)
        return;
    m_arrangement = arrangement;

    Ui::DeviceItemWidget& ui = *m_ui;
    QWidget* const counts = ui.streamCountsLabel;
    QWidget* const rate = ui.m_labelDeviceBitRate;
    QWidget* const third = ui.m_labelDeviceResolution;
    QWidget* const fourth = ui.m_labelEncodeType;
    QWidget* const fifth = ui.m_labelScenceName;

    QList<QWidget*> upper;
    QList<QWidget*> lower;
    QWidget* hiddenLine = nullptr;
    QList<QWidget*> middle;
    switch (arrangement) {
    case Arrangement::ThreeRows:
        upper = {counts, ui.line1, rate, ui.line2};
        middle = {fourth, ui.line3};
        lower = {third, ui.line4, fifth};
        break;
    case Arrangement::RateInUpperRow:
        upper = {counts, ui.line1, rate, ui.line2};
        lower = {fourth, ui.line3, third, ui.line4, fifth};
        hiddenLine = ui.line2;
        break;
    case Arrangement::RateInLowerRow:
        upper = {counts, ui.line1};
        lower = {rate, ui.line2, fourth, ui.line3, third, ui.line4, fifth};
        hiddenLine = ui.line1;
        break;
    case Arrangement::OneRow:
    case Arrangement::None:
        lower = {counts, ui.line1, rate, ui.line2, fourth, ui.line3, third, ui.line4, fifth};
        break;
    }

    // Taken out first: adding a widget that sits in another row of the same
    // card would otherwise warn.
    for (QWidget* widget : upper + middle + lower) {
        ui.m_hlayout2->removeWidget(widget);
        m_middleRow->removeWidget(widget);
        ui.m_hlayout3->removeWidget(widget);
    }
    for (QWidget* widget : upper)
        ui.m_hlayout2->addWidget(widget);
    for (QWidget* widget : middle)
        m_middleRow->addWidget(widget);
    for (QWidget* widget : lower)
        ui.m_hlayout3->addWidget(widget);

    // Three rows end two of them with a line that separates nothing.
    const QList<QWidget*> hiddenLines = arrangement == Arrangement::ThreeRows ? QList<QWidget*>{ui.line2, ui.line3}
                                                                               : QList<QWidget*>{hiddenLine};
    for (QWidget* line : {ui.line1, ui.line2, ui.line3, ui.line4})
        line->setVisible(!hiddenLines.contains(line));
}

QList<QLabel*> DeviceItemWidget::fieldLabels() const
{
    return {m_ui->streamCountsLabel, m_ui->m_labelDeviceBitRate, m_ui->m_labelDeviceResolution,
            m_ui->m_labelEncodeType, m_ui->m_labelScenceName};
}

void DeviceItemWidget::setLabelWidths(int counts, int rate, int third, int fourth, int fifth)
{
    m_ui->streamCountsLabel->setFixedWidth(counts);
    m_ui->m_labelDeviceBitRate->setFixedWidth(rate);
    m_ui->m_labelDeviceResolution->setFixedWidth(third);
    m_ui->m_labelEncodeType->setFixedWidth(fourth);
    m_ui->m_labelScenceName->setFixedWidth(fifth);
}
