#include "CapacityCalculation.h"

#include "ui_CapacityCalculation.h"

#include "EncodeingPage/EncodeingPage.h"
#include "EncodingAnswers/EncodingAnswers.h"
#include "PlanDocument.h"
#include "WidgetDeviceListBorder/WidgetDeviceListBorder.h"

#include <Fenwork/ShareTools.h>
#include <Fenwork/WarningDlg.h>
#include <data/EncodingCalculator.h>
#include <data/ShownRate.h>
#include <edit/PlanEditor.h>

namespace {

const char kConstructor[] = "CapacityCalculation::CapacityCalculation";

const QString kNoFigure = QStringLiteral("0");

} // namespace

CapacityCalculation::CapacityCalculation(QWidget* parent)
    : aptui::Widget(parent)
    , m_ui(std::make_unique<Ui::CapacityCalculation>())
{
    m_ui->setupUi(this);

    m_stackedWidget = m_ui->m_CapacityStackedWidget;
    m_deviceListBorder = new WidgetDeviceListBorder(this);

    showNullPage();

    ShareTools::checkConnection(connect(m_ui->m_btnClear, &QPushButton::clicked, this,
                                        &CapacityCalculation::onClearDeviceItems),
                                __FILE__, __LINE__, kConstructor);
}

void CapacityCalculation::setDocument(PlanDocument* document)
{
    m_document = document;
    m_ui->m_deviceAddPage->setDocument(document);
    // The figures and the gauge follow every edit of the plan, its uplink
    // included, from the document's one set of totals.
    connect(document, &PlanDocument::totalsChanged, this, &CapacityCalculation::showFigures);
    connect(m_ui->m_dataCalculatorPage, &BandWidthPage::signalUplinkChosen, document->editor(),
            &PlanEditor::setUplink);
    showFigures();
}

void CapacityCalculation::showFigures()
{
    m_ui->m_dataCalculatorPage->showPlan(m_document->totals(), m_document->siteCheck().siteLoadKbps(),
                                         m_document->plan()->uplink());
}

CapacityCalculation::~CapacityCalculation() = default;

void CapacityCalculation::setCurrentSection(int index)
{
    m_currentSection = index;
    if (index != 0)
        makeEncodingAnswers();
    m_stackedWidget->setCurrentIndex(index == 0 ? 0 : 1);
    showCurrentSection();
}

EncodingAnswers* CapacityCalculation::encodingAnswers() const
{
    return m_answers;
}

void CapacityCalculation::makeEncodingAnswers()
{
    if (m_answers)
        return;
    // Made in the stack, not handed to it: a widget given a new parent is
    // styled again with all it holds.
    m_answers = new EncodingAnswers(m_stackedWidget);
    m_answers->frameRatePage()->setTitle(tr("Frame Rate"));
    m_answers->resolutionPage()->setTitle(tr("Resolution"));
    m_answers->resolutionPage()->setPrefer(PreferResolution);
    m_answers->frameRatePage()->setPrefer(PreferFrameRate);
    // Full-height pages would grow their figures wider than a window is.
    m_answers->resolutionPage()->setKeepFormProportions(true);
    m_answers->frameRatePage()->setKeepFormProportions(true);
    if (m_sectionsTaken)
        m_stackedWidget->addWidget(m_answers);
    else
        m_answers->hide();
    if (m_question)
        showAnswers();
}

void CapacityCalculation::showCurrentSection()
{
    // A section shown while the stack is still hidden would lay itself out
    // and measure every figure it holds; an empty plan starts with the
    // placeholder, so that waits for the stack's first show.
    if (!m_sectionsTaken)
        return;
    m_ui->m_Section1->setVisible(m_currentSection == 0);
    if (m_answers)
        m_answers->setVisible(m_currentSection != 0);
}

void CapacityCalculation::takeSections()
{
    if (m_sectionsTaken)
        return;
    m_sectionsTaken = true;
    // Before the stack is shown, so its fields appear with it.
    m_ui->m_dataCalculatorPage->makeForm();
    m_ui->m_CapacityStackedWidget->takeChildPages();
    showCurrentSection();
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
    takeSections();
    m_stackedWidget->show();
    m_deviceListBorder->hide();
    m_ui->m_borderLayout->addWidget(m_stackedWidget);
}

void CapacityCalculation::onClearDeviceItems()
{
    if (m_document->plan()->groupCount() == 0)
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
    // Answered when the answers are on screen; the editor asks at start,
    // long before the Encoding tab is first shown.
    m_question = codeParameter;
    if (m_answers)
        showAnswers();
}

void CapacityCalculation::showAnswers()
{
    // Made with the first answers: the Encoding tab is not on the first
    // screen, and the calculator reads its tables when it is made.
    if (!m_calculator)
        m_calculator = std::make_unique<EncodingCalculator>();
    m_calculator->setEncodeType(m_question->encodingType);
    showFit(m_answers->resolutionPage(), m_calculator->resolutionFirst(*m_question));
    showFit(m_answers->frameRatePage(), m_calculator->frameRateFirst(*m_question));
}

void CapacityCalculation::showFit(EncodeingPage* page, const std::optional<EncodingFit>& fit)
{
    if (fit)
        page->setAllInformation(fit->resolution, fit->frameRateText, QString::number(ShownRate::wholeKbps(fit->kbps)));
    else
        page->setAllInformation(kNoFigure, kNoFigure, kNoFigure);
}
