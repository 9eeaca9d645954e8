#include "Vantrel.h"

#include "AboutDialog/AboutDialog.h"
#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "SectionBar/SectionBar.h"
#include "UpdateDialog/UpdateDialog.h"

#include <Fenwork/Menu.h>
#include <Fenwork/ShareTools.h>
#include <Fenwork/ToolTitleBar.h>
#include <Fenwork/WarningDlg.h>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>

namespace {
constexpr int kEditorWidth = 320;
constexpr int kBandwidthTabMinimumWidth = 730;
constexpr int kEncodingTabMinimumWidth = 400;
} // namespace

Vantrel::Vantrel(QWidget* parent, Qt::WindowFlags flags)
    : aptui::ToolMainWindow(parent, flags)
{
    m_mainLayout = new QHBoxLayout(getSetupUiWidget());
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(0);

    m_sectionBar = new SectionBar(this);
    setSpecialWidget(m_sectionBar, Qt::AlignLeft);
    m_deviceEditor = new DeviceEditor(this);
    m_mainLayout->addWidget(m_deviceEditor, 0);
    m_deviceEditor->setFixedWidth(kEditorWidth);
    m_capacityCalculation = new CapacityCalculation(this);
    m_mainLayout->addWidget(m_capacityCalculation, 0);

    setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/logo_qzt_36.png")));
    setAppTitle(tr("Vantrel"));
    m_aboutDialog = new AboutDialog(this);
    setAboutDialog(m_aboutDialog);
    windowTitle()->setRestoreSize(QSize(1024, 720), QSize(10000, 10000));
    setMinimumSize(1024, 720);

    switchNetTab();
    connectChildren();
    m_deviceEditor->installEventFilter(this);
    ShareTools::reloadStyle(getSetupUiWidget());
    // The encoding tab shows an answer for the editor's start values at once.
    m_deviceEditor->onCodeParameterChanged();

    // Last: the frame's flags, after every child exists.
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowAtrrib(false, false);
}

Vantrel::~Vantrel() = default;

void Vantrel::connectChildren()
{
    DeviceAddPage* addPage = m_capacityCalculation->deviceAddPage();
    connect(m_sectionBar, &SectionBar::signalSwitchNetTab, this, &Vantrel::switchNetTab);
    connect(m_sectionBar, &SectionBar::signalSwitchEncodingTab, this, &Vantrel::switchEncodingTab);
    connect(m_deviceEditor, &DeviceEditor::signalAddDevice, addPage, &DeviceAddPage::onAddDeviceTypeItem);
    connect(addPage, &DeviceAddPage::signalDeviceDelete, m_deviceEditor, &DeviceEditor::onDeleteChannelGroupNumber);
    connect(m_deviceEditor, &DeviceEditor::signalAppStart, m_capacityCalculation, &CapacityCalculation::showNormalPage);
    connect(m_capacityCalculation, &CapacityCalculation::signalCover, this, &Vantrel::enableCover);
    connect(m_capacityCalculation, &CapacityCalculation::signalDisvocer, this, &Vantrel::disableCover);
    connect(m_aboutDialog, &AboutDialog::signalCover, this, &Vantrel::enableCover);
    connect(m_aboutDialog, &AboutDialog::signalDiscover, this, &Vantrel::disableCover);
    connect(this, &Vantrel::signalGetHelp, m_aboutDialog, &AboutDialog::onGetHelp);
    connect(m_aboutDialog, &AboutDialog::siganlBtn1Clicked, this, &Vantrel::onMenuHelpClicked);
    connect(m_aboutDialog, &AboutDialog::siganlBtn1Clicked, m_aboutDialog, &AboutDialog::onGetHelp);
    connect(m_aboutDialog, &AboutDialog::siganlBtn2Clicked, this, &Vantrel::onMenuUpdateClicked);
    connect(m_deviceEditor, &DeviceEditor::signalCurrentFrameStandard, addPage, &DeviceAddPage::onFrametareStandardChanged);
    qRegisterMetaType<CodeParameter>("CodeParameter");
    connect(m_deviceEditor, &DeviceEditor::signalCodeParameterChanged,
            m_capacityCalculation, &CapacityCalculation::onCalculationCodeParameter);
}

void Vantrel::switchNetTab()
{
    m_deviceEditor->setCurrentPage(0);
    m_capacityCalculation->setCurrentSection(0);
    m_capacityCalculation->setMinimumWidth(kBandwidthTabMinimumWidth);
    if (m_capacityCalculation->deviceAddPage()->getDeviceGroupNumber() == 0) {
        // The next group added shows the list again.
        m_deviceEditor->setAppStarted(false);
        m_capacityCalculation->showNullPage();
    } else {
        m_capacityCalculation->showNormalPage();
    }
    growToFitContent();
}

void Vantrel::switchEncodingTab()
{
    m_deviceEditor->setCurrentPage(1);
    m_capacityCalculation->setCurrentSection(1);
    m_capacityCalculation->setMinimumWidth(kEncodingTabMinimumWidth);
    m_capacityCalculation->showNormalPage();
}

void Vantrel::onMenuHelpClicked()
{
    aboutMenu()->close();
}

void Vantrel::onMenuUpdateClicked()
{
    aboutMenu()->close();
    setCover(true);
    UpdateDialog dialog(this);
    dialog.exec();
    disableCover();
}

bool Vantrel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_deviceEditor && event->type() == QEvent::Resize)
        growToFitContent();
    return aptui::ToolMainWindow::eventFilter(watched, event);
}

void Vantrel::growToFitContent()
{
    if (!isVisible() || isMaximized() || isFullScreen())
        return;
    const int besideClient = width() - getSetupUiWidget()->width();
    const int needed = besideClient + m_deviceEditor->width() + m_capacityCalculation->minimumWidth();
    if (width() < needed)
        resize(needed, height());
}

void Vantrel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && m_aboutDialog)
        m_aboutDialog->onGetHelp();
}

void Vantrel::closeEvent(QCloseEvent* event)
{
    enableCover();
    if (aptui::WarningDlg::CheckMessageInfo(tr("Exit"), tr("Exit the Morvane software?"), this) == 1) {
        event->accept();
    } else {
        disableCover();
        event->ignore();
    }
    disableCover();
}
