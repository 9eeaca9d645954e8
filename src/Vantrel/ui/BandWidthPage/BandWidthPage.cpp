#include "BandWidthPage.h"

#include "ui_BandWidthPage.h"

#include "SkinColours/SkinColours.h"
#include "UplinkGauge/UplinkGauge.h"
#include "UplinkPicker/UplinkPicker.h"

#include <data/DeviceConfigStore.h>
#include <data/PlanTotals.h>
#include <data/UplinkCheck.h>

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QResizeEvent>

#include <algorithm>

namespace {

// The height the form gives the total; it fits the 72 px figure, the rule
// and the caption in Arial at the program's 9 point font.
constexpr int kBandWidthLabelHeight = 140;
// The total's figure size, and the few pixels of air the column keeps on
// each side of it.
constexpr int kBandWidthFigureSize = 72;
constexpr int kBandWidthFigureAir = 12;

// The figure keeps its 72 px unless that would run past the column: totals
// such as 1024.0 or 1010.5 have six characters and would be cut off, and a
// narrowed column has less room still.
int bandWidthFigureSize(const QString& value, int columnWidth)
{
    const int room = std::max(columnWidth - kBandWidthFigureAir, 1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kBandWidthFigureSize);
    font.setWeight(QFont::DemiBold);
    const int width = QFontMetrics(font).horizontalAdvance(value);
    if (width <= room)
        return kBandWidthFigureSize;
    return std::max(1, kBandWidthFigureSize * room / width);
}

// A count: a bold figure in its colour over a small grey caption (the
// recorder caption starts with one space).
QString countTemplate(const QString& colour, const QString& captionLead)
{
    return QStringLiteral("<html><head/><body>\t\t<p align=\"center\">\t\t"
                          "<span style=\" font-family:'Arial'; font-size:30px; font-weight:600; color:")
        + colour
        + QStringLiteral(";\">\t\t%1\t\t</span>\t\t<br></br>\t\t"
                         "<span style=\" font-family:'Arial'; font-size:14px; color:")
        + SkinColours::value("text-secondary") + QStringLiteral(";\">\t\t")
        + captionLead
        + QStringLiteral("%2\t\t</span></p>\t\t</body></html>");
}

} // namespace

BandWidthPage::BandWidthPage(QWidget* parent)
    : QWidget(parent)
{
    m_channelTemplate = countTemplate(SkinColours::value("accent"), QString());
    m_IPCTemplate = countTemplate(SkinColours::value("ipc"), QString());
    m_DVRTemplate = countTemplate(SkinColours::value("dvr"), QStringLiteral(" "));
    m_bandWidthTemplate = SkinColours::resolve(QStringLiteral(
        "<html><head/><body>\t\t<p align=\"center\">\t\t"
        "<span style=\" font-family:'Arial'; font-size:72px; font-weight:600; color:@total;\">%1</span>\t\t<br/>\t\t"
        "<span style=\" font-family:'Arial'; color:#dedede;\">----</span>\t\t<br/><br/>\t\t"
        "<span style=\" font-family:'Arial'; font-size:14px; color:@text-secondary;\">%2</span>\t\t</p>\t\t</body></html>"));

    // An empty plan's figures until the page is given a plan's.
    showPlan(PlanTotals(), 0.0, UplinkSettings());
}

void BandWidthPage::makeForm()
{
    if (m_ui)
        return;
    // The form's own size would move a page its layout has placed already.
    const bool placed = testAttribute(Qt::WA_Resized);
    const QRect place = geometry();
    // Taken on once whole: the form resizes the page it is made on, and a
    // page on screen answers that with its fields.
    auto form = std::make_unique<Ui::BandWidthPage>();
    form->setupUi(this);
    m_ui = std::move(form);
    if (placed)
        setGeometry(place);
    // In a narrowed column a caption wraps under its figure rather than
    // pushing the column wider.
    for (QLabel* count : {m_ui->channelLabel, m_ui->IPCLabel, m_ui->DVRLabel})
        count->setWordWrap(true);
    m_linkStore = std::make_unique<DeviceConfigStore>();
    m_uplinkPicker = new UplinkPicker(*m_linkStore, this);
    m_uplinkPicker->setObjectName(QStringLiteral("uplinkPicker"));
    m_uplinkPicker->setContentsMargins(12, 4, 12, 0);
    m_ui->verticalLayout->insertWidget(m_ui->verticalLayout->indexOf(m_ui->uplinkMessageLabel) + 1, m_uplinkPicker);
    m_ui->uplinkMessageLabel->setContentsMargins(12, 0, 12, 0);
    connect(m_uplinkPicker, &UplinkPicker::signalUplinkChosen, this, &BandWidthPage::signalUplinkChosen);

    showCounts();
    showUplinkCheck(m_check);
    showUplink(m_uplink);
    showTotal();
    // Made while the page is on screen, the fields are shown as they would
    // have been with it.
    if (isVisible()) {
        for (QWidget* field : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!field->isWindow() && !field->testAttribute(Qt::WA_WState_ExplicitShowHide))
                field->show();
        }
    }
}

UplinkPicker* BandWidthPage::uplinkPicker()
{
    makeForm();
    return m_uplinkPicker;
}

QString BandWidthPage::unitText(BandwidthTotal::Unit unit)
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

void BandWidthPage::showPlan(const PlanTotals& totals, double siteLoadKbps, const UplinkSettings& uplink)
{
    const BandwidthTotal& total = totals.bandwidth();
    onSetAllCount(QString::number(totals.channels()), QString::number(totals.ipcChannels()),
                  QString::number(totals.dvrChannels()), total.windowText(), unitText(total.unit()));
    // The plain load: the gauge's 70 % line is the headroom the total adds.
    // Streams recorded on site never reach the uplink, so it is the load of
    // the flows that leave, the whole sum when the plan has no network.
    showUplinkCheck(UplinkCheck(siteLoadKbps, uplink));
    showUplink(uplink);
}

BandWidthPage::~BandWidthPage() = default;

// The two-argument arg() fills %1 and %2 in one pass, so a figure that
// happens to contain a marker cannot pull the caption into itself.
void BandWidthPage::setChannelCount(const QString& value)
{
    m_channels = value;
    if (m_ui)
        m_ui->channelLabel->setText(m_channelTemplate.arg(value, tr("Channel Counts")));
}

void BandWidthPage::setIPCCount(const QString& value)
{
    m_ipcs = value;
    if (m_ui)
        m_ui->IPCLabel->setText(m_IPCTemplate.arg(value, tr("IPC Counts")));
}

void BandWidthPage::setDVRCount(const QString& value)
{
    m_dvrs = value;
    if (m_ui)
        m_ui->DVRLabel->setText(m_DVRTemplate.arg(value, tr("DVR Counts")));
}

void BandWidthPage::showCounts()
{
    setChannelCount(m_channels);
    setIPCCount(m_ipcs);
    setDVRCount(m_dvrs);
}

void BandWidthPage::setBandWidthCount(const QString& value, const QString& unit)
{
    m_bandWidth = value;
    m_unit = unit;
    showTotal();
}

void BandWidthPage::showTotal()
{
    if (!m_ui)
        return;
    const QString& value = m_bandWidth;
    const QString caption = tr("Total Band Width(%1)").arg(m_unit);
    QString figureTemplate = m_bandWidthTemplate;
    // Until the page is laid out its width is the form's, the widest it gets.
    // A hidden page shows the full size and measures when it is shown: the
    // measure loads the figure's large font.
    const int size = isVisible()
        ? bandWidthFigureSize(value, testAttribute(Qt::WA_Resized) ? width() : maximumWidth())
        : kBandWidthFigureSize;
    if (size != kBandWidthFigureSize)
        figureTemplate.replace(QStringLiteral("font-size:72px"), QStringLiteral("font-size:%1px").arg(size));
    m_ui->bandWidthLabel->setText(figureTemplate.arg(value, caption));
    fitBandWidthLabel();
}

// Fonts with a larger line spacing than Arial (Linux substitutes, a skin's
// font) need a few pixels more; the label grows rather than cut the caption.
void BandWidthPage::fitBandWidthLabel()
{
    // Measuring the figure loads its large fonts, a good part of the start
    // when it is done for a page that is not on screen (an empty plan shows
    // its placeholder instead); such a page sizes and measures its figure
    // when it is shown.
    if (!m_ui)
        return;
    if (!isVisible()) {
        m_fitPending = true;
        return;
    }
    m_fitPending = false;
    QLabel* label = m_ui->bandWidthLabel;
    label->setFixedHeight(std::max(kBandWidthLabelHeight, label->sizeHint().height()));
}

void BandWidthPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_ui)
        makeForm(); // sizes the figure and fits the label, the page being on screen
    else if (m_fitPending)
        showTotal(); // sizes the figure, then fits the label
}

void BandWidthPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The total's figure follows the column's width.
    if (event->oldSize().width() != event->size().width())
        showTotal();
}

void BandWidthPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitBandWidthLabel();
}

void BandWidthPage::showUplinkCheck(const UplinkCheck& check)
{
    m_check = check;
    if (!m_ui)
        return;
    m_ui->picLabel->setCheck(check);
    QLabel* message = m_ui->uplinkMessageLabel;
    message->setText(check.message());
    // Only a link that cannot carry the devices raises its voice.
    const bool over = check.level() == UplinkCheck::Level::Over;
    message->setStyleSheet(QStringLiteral("color: %1; font-size: 12px;")
                               .arg(over ? SkinColours::value("danger") : SkinColours::value("text-secondary")));
}

void BandWidthPage::showUplink(const UplinkSettings& uplink)
{
    m_uplink = uplink;
    if (m_uplinkPicker)
        m_uplinkPicker->showUplink(uplink);
}

void BandWidthPage::onSetAllCount(const QString& channelCount, const QString& IPCCount, const QString& DVRCount,
                                  const QString& bandWidth, const QString& unit)
{
    setChannelCount(channelCount);
    setIPCCount(IPCCount);
    setDVRCount(DVRCount);
    setBandWidthCount(bandWidth, unit);
}
