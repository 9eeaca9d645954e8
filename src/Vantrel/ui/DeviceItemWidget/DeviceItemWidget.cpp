#include "DeviceItemWidget.h"

#include "SkinColours/SkinColours.h"

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

// Whole kbps, as every card and the editor show a rate, however large and
// whatever video standard converted it; -1 still marks a scene without a
// rate.
QString rateText(double bitrate)
{
    if (bitrate < 0.0)
        return QStringLiteral("-1");
    return QString::number(ShownRate::wholeKbps(bitrate));
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
    // A narrow card's own row for the recording figures, above its fields.
    m_summaryRow = new QHBoxLayout;
    m_summaryRow->setContentsMargins(10, 0, 0, 0);
    m_ui->verticalLayout->insertLayout(m_ui->verticalLayout->indexOf(m_ui->m_hlayoutxx), m_summaryRow);
    // A narrow card's middle rows, built like the form's rows.
    int rowIndex = m_ui->verticalLayout->indexOf(m_ui->m_hlayoutxx);
    for (int row = 0; row < 3; ++row) {
        auto* holder = new QHBoxLayout;
        holder->setSpacing(0);
        holder->setContentsMargins(10, 0, 0, 0);
        auto* fields = new QHBoxLayout;
        fields->setSpacing(6);
        holder->addLayout(fields);
        holder->addStretch(1);
        m_ui->verticalLayout->insertLayout(++rowIndex, holder);
        if (row == 0)
            m_middleRow = fields;
        else
            m_narrowRows.append(fields);
    }
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
    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("m_labelDetail"));
    m_detail->setTextFormat(Qt::PlainText);
    m_detail->hide();
    m_ui->m_hlayoutTitle->addWidget(m_detail);
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
    const QString frameRateText = tr("Frame Rate : %1").arg(frameRate);
    const QString rate = tr("Fixted Rate : %1 kbps").arg(rateText(bitrate));
    m_ui->m_labelDeviceResolution->setText(frameRateText);
    m_ui->m_labelDeviceResolution->setToolTip(aptui::PlainText::toolTip(frameRateText));
    m_ui->m_labelDeviceBitRate->setText(rate);
    m_ui->m_labelDeviceBitRate->setToolTip(rate);
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
    if (hasWidth())
        fitRecordingSummary(width());
}

QString DeviceItemWidget::detailText() const
{
    return m_detail->text();
}

void DeviceItemWidget::setDetail(const QString& detail, const QString& problem)
{
    m_detail->setText(detail);
    m_detail->setToolTip(problem.isEmpty() ? detail : problem);
    m_detail->setProperty("below", !problem.isEmpty());
    // Marked as the editor marks a field it cannot take.
    m_detail->setStyleSheet(problem.isEmpty() ? QString() : QStringLiteral("color:#d03030;font-weight:bold;"));
    if (hasWidth())
        fitRecordingSummary(width());
}

void DeviceItemWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT signalPressed(m_item.groupNumber, event->modifiers());
    QWidget::mousePressEvent(event);
}

void DeviceItemWidget::setSiteState(CheckState state, const QString& problems)
{
    if (state == m_siteState && (!m_siteMark || m_siteMark->toolTip() == problems))
        return;
    m_siteState = state;
    if (!m_siteMark) {
        // Most cards never carry one: it is made when first needed.
        m_siteMark = new QLabel(this);
        m_siteMark->setObjectName(QStringLiteral("m_labelSiteState"));
        m_siteMark->setTextFormat(Qt::PlainText);
        m_siteMark->setText(QStringLiteral("\u25CF"));
        // After the name, so the cards' icons and names stay in line.
        m_siteMark->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        m_ui->m_hlayoutTitle->insertWidget(m_ui->m_hlayoutTitle->indexOf(m_ui->m_labelChannelGroupName) + 1, m_siteMark);
    }
    m_siteMark->setProperty("state", checkStateName(state));
    m_siteMark->setStyleSheet(QStringLiteral("color:%1;").arg(
        SkinColours::value(state == CheckState::Over ? "danger" : "warning")));
    m_siteMark->setToolTip(aptui::PlainText::toolTip(problems));
    m_siteMark->setVisible(state != CheckState::Ok);
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
    // Without a pattern it would only take the name's room.
    ui.deviceCountLabel->setVisible(!countText.isEmpty());

    // Channels first, then streams, as the report and the editor count them.
    ui.streamCountsLabel->setText(tr("Stream Counts : %1 x %2").arg(deviceItem.channelCount).arg(deviceItem.streamCount));
    ui.streamCountsLabel->setToolTip(tr("%1 channels × %2 streams").arg(deviceItem.channelCount).arg(deviceItem.streamCount));

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
    if (hasWidth())
        relayout(width());
}

void DeviceItemWidget::fitRecordingSummary(int width)
{
    // A card of five rows has room below its title rather than in it.
    QBoxLayout* const place = width < kThreeRowWidth ? static_cast<QBoxLayout*>(m_summaryRow) : m_ui->m_hlayoutTitle;
    if (place->indexOf(m_recordingSummary) < 0) {
        for (QLabel* label : { m_recordingSummary, m_detail }) {
            m_ui->m_hlayoutTitle->removeWidget(label);
            m_summaryRow->removeWidget(label);
            place->addWidget(label);
        }
    }
    if (place == m_summaryRow) {
        m_recordingSummary->setVisible(!m_recordingSummary->text().isEmpty());
        m_detail->setVisible(!m_detail->text().isEmpty());
        return;
    }
    // The figures beside the name stay while the name can keep a readable
    // start: a long name gives way first (shown elided, whole in its
    // tooltip), and only a card too narrow for both lets the figures step
    // aside (they are in the Storage tab as well).
    // Icon, spacing, margins and the delete button, and the count if shown.
    const int besideTitle = 90 + (m_ui->deviceCountLabel->isVisibleTo(this) ? m_ui->deviceCountLabel->minimumWidth() : 0);
    constexpr int kLeastOfName = 80;
    const int nameWidth = m_ui->m_labelChannelGroupName->fontMetrics().horizontalAdvance(m_item.channelName);
    const int needed = std::min(nameWidth, kLeastOfName)
        + m_recordingSummary->fontMetrics().horizontalAdvance(m_recordingSummary->text()) + besideTitle;
    m_recordingSummary->setVisible(!m_recordingSummary->text().isEmpty() && needed <= width);
    // The detail comes after: a card too narrow for it keeps it in the
    // tooltip of the editor's View section and in the command line's check.
    const int withDetail = needed + 8 + m_detail->fontMetrics().horizontalAdvance(m_detail->text());
    m_detail->setVisible(!m_detail->text().isEmpty() && withDetail <= width);
}

int DeviceItemWidget::textNeed(const QLabel* label, int width) const
{
    label->ensurePolished();
    const int chrome = label->width() - label->contentsRect().width();
    return std::max(label->fontMetrics().horizontalAdvance(label->text()) + chrome - width, 0);
}

int DeviceItemWidget::giveToCutFields(QList<int>& widths, const QList<int>& fields, int spare) const
{
    // Spare width goes first to the fields whose text would be cut (a long
    // resolution or scene name), in the order they are read. When that is
    // not enough, fields of the same row whose text is shorter than their
    // width lend the difference: a whole name matters more than columns
    // lined up from card to card.
    const QList<QLabel*> labels = fieldLabels();
    int needed = 0;
    for (int field : fields)
        needed += textNeed(labels.at(field), widths.at(field));
    for (int field : fields) {
        if (needed <= std::max(spare, 0))
            break;
        const QLabel* label = labels.at(field);
        const int slack = std::max(widths.at(field) - textNeed(label, 0), 0);
        const int lent = std::min(slack, needed - std::max(spare, 0));
        widths[field] -= lent;
        spare += lent;
    }
    for (int field : fields) {
        const int given = std::min(textNeed(labels.at(field), widths.at(field)), std::max(spare, 0));
        widths[field] += given;
        spare -= given;
    }
    return spare;
}

void DeviceItemWidget::relayout(int width)
{
    fitRecordingSummary(width);
    m_ui->deviceCountLabel->setMinimumWidth(width < kTwoRowWidth ? 0 : kCountLabelWidth);
    enum { Counts, Rate, Third, Fourth, Fifth };
    QList<int> widths = {kCountsWidth, kRateWidth, kThirdWidth, kFourthWidth, kFifthWidth};
    const int room = std::max(width - kRowMargins, 0);
    if (width < kThreeRowWidth) {
        arrange(Arrangement::FiveRows);
        widths = {room, room, room, room, room};
    } else if (width < kTwoRowWidth) {
        // The longer of the third and fourth field (the resolution, in
        // either rate mode) has the middle row to itself; the other shares
        // the lower row with the fifth, taking what its text needs.
        const QList<QLabel*> labels = fieldLabels();
        const bool thirdInMiddle = textNeed(labels.at(Third), 0) > textNeed(labels.at(Fourth), 0);
        arrange(thirdInMiddle ? Arrangement::ThreeRowsThirdInMiddle : Arrangement::ThreeRows);
        const int half = std::min((room - kLineRoom) / 2, kCountsWidth);
        const int shared = thirdInMiddle ? Fourth : Third;
        const int beside = std::clamp(textNeed(labels.at(shared), 0), std::min(kThirdWidth, room / 2),
                                      std::max(room - kLineRoom - kThirdWidth, std::min(kThirdWidth, room / 2)));
        widths = {half, half, beside, beside, std::max(room - beside - kLineRoom, 0)};
        widths[thirdInMiddle ? Third : Fourth] = std::min(room, kFourthWidth * 2);
    } else if (width <= kRateInLowerRowWidth) {
        arrange(Arrangement::RateInUpperRow);
        // The lower row: fourth, third, fifth.
        widths[Fifth] += giveToCutFields(widths, {Fourth, Third, Fifth}, std::max(width - kFifthGrowsFrom, 0));
    } else if (width < kOneRowWidth) {
        arrange(Arrangement::RateInLowerRow);
        widths[Fifth] += giveToCutFields(widths, {Rate, Fourth, Third, Fifth}, width - kRateInLowerRowWidth);
    } else {
        arrange(Arrangement::OneRow);
        const int spare = giveToCutFields(widths, {Counts, Rate, Fourth, Third, Fifth}, width - kOneRowWidth);
        // Whole fifths of the rest, less one once there is any.
        const int share = static_cast<int>(spare / 5 - 0.5);
        const int narrowGrowth = std::min(share, kMaxNarrowFieldGrowth);
        const int wideGrowth = std::min(share, kMaxWideFieldGrowth);
        const int grown[] = {kCountsWidth + narrowGrowth, kRateWidth + wideGrowth, kThirdWidth + narrowGrowth,
                             kFourthWidth + wideGrowth, kFifthWidth + narrowGrowth};
        for (int field = Counts; field <= Fifth; ++field)
            widths[field] = std::max(widths[field], grown[field]);
    }
    setLabelWidths(widths[Counts], widths[Rate], widths[Third], widths[Fourth], widths[Fifth]);
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
    QList<QWidget*> fourthRow;
    QList<QWidget*> fifthRow;
    switch (arrangement) {
    case Arrangement::FiveRows:
        upper = {counts, ui.line1};
        middle = {rate, ui.line2};
        fourthRow = {fourth, ui.line3};
        fifthRow = {third, ui.line4};
        lower = {fifth};
        break;
    case Arrangement::ThreeRows:
        upper = {counts, ui.line1, rate, ui.line2};
        middle = {fourth, ui.line3};
        lower = {third, ui.line4, fifth};
        break;
    case Arrangement::ThreeRowsThirdInMiddle:
        upper = {counts, ui.line1, rate, ui.line2};
        middle = {third, ui.line3};
        lower = {fourth, ui.line4, fifth};
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
    const QList<QHBoxLayout*> rows = {ui.m_hlayout2, m_middleRow, m_narrowRows.at(0), m_narrowRows.at(1), ui.m_hlayout3};
    const QList<QList<QWidget*>> contents = {upper, middle, fourthRow, fifthRow, lower};
    for (QWidget* widget : upper + middle + fourthRow + fifthRow + lower) {
        for (QHBoxLayout* row : rows)
            row->removeWidget(widget);
    }
    for (int row = 0; row < rows.size(); ++row) {
        for (QWidget* widget : contents.at(row))
            rows.at(row)->addWidget(widget);
    }

    // Three rows end two of them with a line that separates nothing; five
    // rows need none.
    QList<QWidget*> hiddenLines = {hiddenLine};
    if (arrangement == Arrangement::ThreeRows || arrangement == Arrangement::ThreeRowsThirdInMiddle)
        hiddenLines = {ui.line2, ui.line3};
    else if (arrangement == Arrangement::FiveRows)
        hiddenLines = {ui.line1, ui.line2, ui.line3, ui.line4};
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
