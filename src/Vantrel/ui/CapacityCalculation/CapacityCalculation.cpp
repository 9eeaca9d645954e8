#include "CapacityCalculation.h"

#include "ui_CapacityCalculation.h"

#include "WidgetDeviceListBorder/WidgetDeviceListBorder.h"

#include <Fenwork/ShareTools.h>
#include <Fenwork/WarningDlg.h>
#include <data/ShownRate.h>
#include <data/DeviceConfigStore.h>
#include <data/EncodingCalculator.h>

namespace {

const char kConstructor[] = "CapacityCalculation::CapacityCalculation";

const QString kNoFigure = QStringLiteral("0");

} // namespace

CapacityCalculation::CapacityCalculation(QWidget* parent)
    : aptui::Widget(parent)
    , m_ui(std::make_unique<Ui::CapacityCalculation>())
{
    m_ui->setupUi(this);

    m_ui->frameRatePage->setTitle(tr("Frame Rate"));
    m_ui->resolutionPage->setTitle(tr("Resolution"));
    m_ui->resolutionPage->setPrefer(PreferResolution);
    m_ui->frameRatePage->setPrefer(PreferFrameRate);
    // Full-height pages would grow their figures wider than a window is.
    m_ui->resolutionPage->setKeepFormProportions(true);
    m_ui->frameRatePage->setKeepFormProportions(true);

    m_calculator = std::make_unique<EncodingCalculator>();

    m_stackedWidget = m_ui->m_CapacityStackedWidget;
    m_deviceListBorder = new WidgetDeviceListBorder(this);

    showNullPage();

    ShareTools::checkConnection(connect(m_ui->m_btnClear, &QPushButton::clicked, this,
                                        &CapacityCalculation::onClearDeviceItems),
                                __FILE__, __LINE__, kConstructor);
    // Every change of the device list reaches the bandwidth figures here.
    ShareTools::checkConnection(connect(m_ui->m_deviceAddPage, &DeviceAddPage::signalDeviceChanged,
                                        m_ui->m_dataCalculatorPage, &BandWidthPage::onSetAllCount),
                                __FILE__, __LINE__, kConstructor);
}

CapacityCalculation::~CapacityCalculation() = default;

void CapacityCalculation::setCurrentSection(int index)
{
    m_stackedWidget->setCurrentIndex(index);
    m_ui->m_Section1->setVisible(index == 0);
    m_ui->m_Section2->setVisible(index != 0);
}

DeviceAddPage* CapacityCalculation::deviceAddPage() const
{
    return m_ui->m_deviceAddPage;
}

bool CapacityCalculation::isShowingNullPage() const
{
    return m_ui->m_borderLayout->indexOf(m_deviceListBorder) >= 0;
}

void CapacityCalculation::showNullPage()
{
    ShareTools::clearLayout(m_ui->m_borderLayout);
    m_stackedWidget->hide();
    m_deviceListBorder->show();
    m_ui->m_borderLayout->addWidget(m_deviceListBorder);
}

void CapacityCalculation::showNormalPage()
{
    ShareTools::clearLayout(m_ui->m_borderLayout);
    m_stackedWidget->show();
    m_deviceListBorder->hide();
    m_ui->m_borderLayout->addWidget(m_stackedWidget);
}

void CapacityCalculation::onClearDeviceItems()
{
    if (m_ui->m_deviceAddPage->getDeviceGroupNumber() == 0)
        return;

    Q_EMIT signalCover();
    const int answer =
        aptui::WarningDlg::CheckMessageInfo(tr("Clear"), tr("Clear all the channels?"), parentWidget());
    if (answer == 1) {
        Q_EMIT signalDisvocer();
        m_ui->m_deviceAddPage->clearDeviceItems();
    }
    Q_EMIT signalDisvocer();
}

void CapacityCalculation::onCalculationCodeParameter(CodeParameter codeParameter)
{
    m_calculator->setEncodeType(codeParameter.encodingType);

    QString resolution = kNoFigure;
    QString frameRate = kNoFigure;
    if (m_calculator->calculateResolutionFirst(resolution, frameRate, codeParameter))
        m_ui->resolutionPage->setAllInformation(resolution, frameRate,
                                                bitRateText(codeParameter, resolution, frameRate));
    else
        m_ui->resolutionPage->setAllInformation(kNoFigure, kNoFigure, kNoFigure);

    resolution = kNoFigure;
    frameRate = kNoFigure;
    if (m_calculator->calculateFrameRateFirst(resolution, frameRate, codeParameter))
        m_ui->frameRatePage->setAllInformation(resolution, frameRate,
                                               bitRateText(codeParameter, resolution, frameRate));
    else
        m_ui->frameRatePage->setAllInformation(kNoFigure, kNoFigure, kNoFigure);
}

QString CapacityCalculation::bitRateText(const CodeParameter& codeParameter, const QString& resolution,
                                         const QString& frameRate)
{
    const double bitRate = m_calculator->calculateBitrate(codeParameter.deviceType, resolution,
                                                          frameRateValue(frameRate, codeParameter.videoStandard));
    return QString::number(ShownRate::wholeKbps(bitRate));
}

double CapacityCalculation::frameRateValue(const QString& frameRate, int videoStandard) const
{
    // Fractional rates are shown as "1/2", "1/4", ...: read their number
    // from the frame-rate table the search picked them from, so the bitrate
    // belongs to the rate on screen and not to 0 fps.
    for (const ShowValueItem& item : m_calculator->store().getFrameRateTable(videoStandard)) {
        if (item.show == frameRate)
            return item.value;
    }
    return frameRate.toDouble();
}
