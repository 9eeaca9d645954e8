#include "Vantrel.h"

#include "AboutDialog/AboutDialog.h"
#include "CapacityCalculation/CapacityCalculation.h"
#include "ClientScrollArea/ClientScrollArea.h"
#include "DataProblemsNotice/DataProblemsNotice.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "HandedPlans.h"
#include "NetworkPage/NetworkPage.h"
#include "PlanDocument.h"
#include "PlanFileController.h"
#include "GroupImporter.h"
#include "ReportExporter.h"
#include "SectionBar/SectionBar.h"
#include "StartOptions.h"
#include "StoragePage/StoragePage.h"
#include "UpdateDialog/UpdateDialog.h"

#include <data/DeviceConfigStore.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <Fenwork/Menu.h>
#include <Fenwork/PlainText.h>
#include <Fenwork/ShareTools.h>
#include <Fenwork/ToolTitleBar.h>
#include <Fenwork/WarningDlg.h>

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QAction>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kEditorWidth = 320;
// Beside the section bar and the editor in scene mode (390) the bandwidth
// tab fits the window's minimum width of 1024.
constexpr int kBandwidthTabMinimumWidth = 500;
constexpr int kEncodingTabMinimumWidth = 400;
// The scene picture's least height: at the window's smallest height, with
// the recording fields open, the picture gives way so that "+ Add" stays in
// the window.
constexpr int kScenePictureLeastHeight = 72;
} // namespace

Vantrel::Vantrel(QWidget* parent, Qt::WindowFlags flags)
    : aptui::ToolMainWindow(parent, flags)
    , m_document(std::make_unique<PlanDocument>(PlanRecovery::defaultPath()))
{
    // A window made smaller than its minimum (a tiling window manager does
    // that) scrolls its content instead of squeezing it.
    auto* clientLayout = new QVBoxLayout(getSetupUiWidget());
    clientLayout->setContentsMargins(0, 0, 0, 0);
    auto* scrollArea = new ClientScrollArea(getSetupUiWidget());
    m_scrollArea = scrollArea;
    clientLayout->addWidget(scrollArea);
    // Every part is made in its final place: moving a made widget into
    // another parent restyles it and all it holds, which once took a third
    // of the start.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("m_clientContent"));
    scrollArea->setContent(content); // it fits the content again as the parts arrive
    m_mainLayout = new QHBoxLayout(content);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(0);

    m_sectionBar = new SectionBar(this);
    setSpecialWidget(m_sectionBar, Qt::AlignLeft);
    m_deviceEditor = new DeviceEditor(content);
    m_deviceEditor->setPlan(m_document->plan());
    m_mainLayout->addWidget(m_deviceEditor, 0);
    m_deviceEditor->setFixedWidth(kEditorWidth);
    if (auto* scenes = m_deviceEditor->findChild<QWidget*>(QStringLiteral("m_scenceSelector")))
        scenes->setMinimumHeight(kScenePictureLeastHeight);
    m_capacityCalculation = new CapacityCalculation(content);
    m_capacityCalculation->setDocument(m_document.get());
    m_mainLayout->addWidget(m_capacityCalculation, 0);

    setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/logo_qzt_36.png")));
    setAppTitle(tr("Vantrel"));
    setAboutDialogMaker([this] { return makeAboutBox(); });
    m_planFiles = new PlanFileController(m_document.get(), this);
    m_reports = new ReportExporter(m_document->plan(), m_planFiles, this);
    m_handedPlans = new HandedPlans(m_planFiles, this);
    m_groupImporter = new GroupImporter(m_document.get(), m_planFiles, this);
    addFileMenu();
    windowTitle()->setRestoreSize(QSize(1024, 720), QSize(10000, 10000));
    setMinimumSize(1024, 720);

    switchNetTab();
    connectChildren();
    ShareTools::reloadStyle(getSetupUiWidget());
    // The encoding tab shows an answer for the editor's start values at once.
    m_deviceEditor->onCodeParameterChanged();
    // Typing starts a group at once, rather than on the first tab button.
    m_deviceEditor->focusFirstField();

    // The frame's flags come with the base class; an opaque window that
    // stays among the others.
    setWindowAtrrib(false, false);
}

Vantrel::~Vantrel()
{
    // The parts that show or keep the plan go before it; the base class
    // would delete them only after the document.
    delete m_scrollArea;
    delete m_reports;
    delete m_handedPlans;
    delete m_planFiles;
}

AboutDialog* Vantrel::aboutBox()
{
    return static_cast<AboutDialog*>(madeAboutDialog());
}

AboutDialog* Vantrel::makeAboutBox()
{
    m_aboutDialog = new AboutDialog(this);
    connect(m_aboutDialog, &AboutDialog::signalCover, this, &Vantrel::enableCover);
    connect(m_aboutDialog, &AboutDialog::signalDiscover, this, &Vantrel::disableCover);
    connect(m_aboutDialog, &AboutDialog::siganlBtn1Clicked, this, &Vantrel::onMenuHelpClicked);
    connect(m_aboutDialog, &AboutDialog::siganlBtn1Clicked, m_aboutDialog, &AboutDialog::onGetHelp);
    connect(m_aboutDialog, &AboutDialog::siganlBtn2Clicked, this, &Vantrel::onMenuUpdateClicked);
    return m_aboutDialog;
}

void Vantrel::connectChildren()
{
    DeviceAddPage* addPage = m_capacityCalculation->deviceAddPage();
    connect(m_sectionBar, &SectionBar::signalSwitchNetTab, this, &Vantrel::switchNetTab);
    connect(m_sectionBar, &SectionBar::signalSwitchEncodingTab, this, &Vantrel::switchEncodingTab);
    connect(m_sectionBar, &SectionBar::signalSwitchStorageTab, this, &Vantrel::switchStorageTab);
    connect(m_sectionBar, &SectionBar::signalSwitchNetworkTab, this, &Vantrel::switchNetworkTab);
    connect(m_document.get(), &PlanDocument::totalsChanged, this, &Vantrel::showProblemCount);
    showProblemCount();
    connect(m_sectionBar, &SectionBar::signalExportPdf, m_reports, &ReportExporter::exportPdf);
    connect(m_sectionBar, &SectionBar::signalExportExcel, m_reports, &ReportExporter::exportExcel);
    connect(m_sectionBar, &SectionBar::signalExportScreenshot, m_reports, &ReportExporter::exportScreenshot);
    // A group, with how it records, goes from the editor to the plan.
    connect(m_deviceEditor, &DeviceEditor::signalAddGroup, m_document->editor(), &PlanEditor::addGroup);
    connect(m_capacityCalculation, &CapacityCalculation::signalCover, this, &Vantrel::enableCover);
    connect(m_capacityCalculation, &CapacityCalculation::signalDisvocer, this, &Vantrel::disableCover);
    connect(this, &Vantrel::signalGetHelp, this, [this] { aboutBox()->onGetHelp(); });
    connect(m_deviceEditor, &DeviceEditor::signalCurrentFrameStandard, addPage, &DeviceAddPage::onFrametareStandardChanged);
    qRegisterMetaType<CodeParameter>("CodeParameter");
    connect(m_deviceEditor, &DeviceEditor::signalCodeParameterChanged,
            m_capacityCalculation, &CapacityCalculation::onCalculationCodeParameter);

    // Plans: edits of a group, the standard of an opened or undone plan, and
    // the title with its unsaved mark.
    connect(m_deviceEditor, &DeviceEditor::signalReplaceGroup, addPage, &DeviceAddPage::onReplaceGroup);
    connect(addPage, &DeviceAddPage::signalEditGroup, m_sectionBar, &SectionBar::switchNetTab);
    connect(addPage, &DeviceAddPage::signalEditGroup, m_deviceEditor, &DeviceEditor::onEditGroup);
    connect(m_deviceEditor, &DeviceEditor::signalEditedGroupChanged, addPage, &DeviceAddPage::setEditedGroup);
    const Plan* plan = m_document->plan();
    connect(plan, &Plan::settingsChanged, this, [this, plan] { m_deviceEditor->showVideoStandard(plan->videoStandard()); });
    connect(plan, &Plan::changed, this, &Vantrel::showBandwidthContent);
    connect(m_planFiles, &PlanFileController::titleChanged, this, &Vantrel::showPlanTitle);
    connect(m_planFiles, &PlanFileController::planLoaded, m_deviceEditor, &DeviceEditor::onCancelEdit);
}

void Vantrel::addFileMenu()
{
    aptui::Menu* menu = aboutMenu();
    QAction* about = menu->actions().value(0);
    const QList<QAction*> fileActions = m_planFiles->fileActions();
    menu->insertActions(about, fileActions);
    menu->insertAction(about, m_groupImporter->action());
    menu->insertAction(about, m_planFiles->compareAction());
    menu->insertAction(about, m_reports->printAction());
    menu->insertActions(about, m_sectionBar->exportActions());
    menu->insertMenu(about, m_planFiles->recentMenu());
    menu->insertMenu(about, m_planFiles->examplesMenu());
    menu->insertSeparator(about);
    menu->insertAction(about, m_planFiles->undoAction());
    menu->insertAction(about, m_planFiles->redoAction());
    menu->insertSeparator(about);
    // The shortcuts work with the menu closed too.
    addActions(fileActions);
    addAction(m_reports->printAction());
    addAction(m_planFiles->undoAction());
    addAction(m_planFiles->redoAction());

    // The menu itself opens from the keyboard as a menu bar's would.
    auto* openMenu = new QAction(this);
    openMenu->setShortcuts({ QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_F) });
    connect(openMenu, &QAction::triggered, this, &Vantrel::showAboutMenu);
    addAction(openMenu);
    windowTitle()->aboutButton()->setToolTip(tr("Menu (F10)"));
    showPlanTitle(m_planFiles->titleText());
}

void Vantrel::showPlanTitle(const QString& title)
{
    // A new, untouched plan leaves the program's plain name.
    const QString text = title == m_planFiles->untitledName() ? tr("Vantrel") : tr("%1 - Vantrel").arg(title);
    setAppTitle(text);
    setWindowTitle(aptui::PlainText::windowTitle(text));
}

void Vantrel::openAtStart(const QStringList& arguments)
{
    // Before a plan opens: its figures depend on the rows left out.
    DataProblemsNotice::showModal(m_deviceEditor->configStore().loadProblems(), this);
    if (m_planFiles->offerRecovery())
        return;
    m_planFiles->openNamedPlans(StartOptions::planPaths(arguments.mid(1), QDir::currentPath()));
}

void Vantrel::showBandwidthContent()
{
    if (!m_onBandwidthTab)
        return;
    // The first group added shows the list, the last one removed the
    // picture again.
    const bool empty = m_document->plan()->groupCount() == 0;
    if (empty != m_capacityCalculation->isShowingNullPage()) {
        if (empty)
            m_capacityCalculation->showNullPage();
        else
            m_capacityCalculation->showNormalPage();
    }
}

StoragePage* Vantrel::storagePage()
{
    // Made when the tab is first opened: many sessions never open it, and
    // its table would be a good part of every start.
    if (!m_storagePage) {
        m_storagePage = new StoragePage(m_document->editor(), m_mainLayout->parentWidget());
        m_storagePage->hide();
        m_mainLayout->addWidget(m_storagePage, 1);
    }
    return m_storagePage;
}

NetworkPage* Vantrel::networkPage()
{
    // Made when the tab is first opened, as the storage page is.
    if (!m_networkPage) {
        m_networkPage = new NetworkPage(m_document.get(), m_mainLayout->parentWidget());
        m_networkPage->hide();
        m_mainLayout->addWidget(m_networkPage, 1);
        connect(m_networkPage, &NetworkPage::groupRequested, this, &Vantrel::showGroupCard);
    }
    return m_networkPage;
}

void Vantrel::showSection(QWidget* area)
{
    m_capacityCalculation->setVisible(area == m_capacityCalculation);
    if (m_storagePage)
        m_storagePage->setVisible(area == m_storagePage);
    if (m_networkPage)
        m_networkPage->setVisible(area == m_networkPage);
}

void Vantrel::switchNetworkTab()
{
    // The editor stays on the groups, so a group can be given its place
    // while the network is in view.
    m_deviceEditor->setCurrentPage(0);
    m_onBandwidthTab = false;
    showSection(networkPage());
}

void Vantrel::showGroupCard(int groupNumber)
{
    m_sectionBar->switchNetTab();
    m_capacityCalculation->deviceAddPage()->showGroup(groupNumber);
}

void Vantrel::showProblemCount()
{
    m_sectionBar->setProblemCount(m_document->siteCheck().problems().size());
}

void Vantrel::switchStorageTab()
{
    // The editor stays on the groups, so a group can be added or changed
    // while its storage is in view.
    m_deviceEditor->setCurrentPage(0);
    m_onBandwidthTab = false;
    showSection(storagePage());
}

void Vantrel::switchNetTab()
{
    showSection(m_capacityCalculation);
    m_deviceEditor->setCurrentPage(0);
    m_capacityCalculation->setCurrentSection(0);
    m_capacityCalculation->setMinimumWidth(kBandwidthTabMinimumWidth);
    m_onBandwidthTab = true;
    if (m_document->plan()->groupCount() == 0) {
        m_capacityCalculation->showNullPage();
    } else {
        m_capacityCalculation->showNormalPage();
    }
}

void Vantrel::switchEncodingTab()
{
    showSection(m_capacityCalculation);
    m_deviceEditor->setCurrentPage(1);
    m_capacityCalculation->setCurrentSection(1);
    m_capacityCalculation->setMinimumWidth(kEncodingTabMinimumWidth);
    m_onBandwidthTab = false;
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

void Vantrel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        aboutBox()->onGetHelp();
}

void Vantrel::closeEvent(QCloseEvent* event)
{
    // Unsaved work asks Save / Discard / Cancel instead of the exit question.
    if (m_document->isModified()) {
        enableCover();
        const bool leave = m_planFiles->maybeSave();
        disableCover();
        if (leave)
            m_planFiles->closeCleanly();
        event->setAccepted(leave);
        return;
    }
    enableCover();
    if (aptui::WarningDlg::CheckMessageInfo(tr("Exit"), tr("Exit the Morvane software?"), this) == 1) {
        m_planFiles->closeCleanly();
        event->accept();
    } else {
        disableCover();
        event->ignore();
    }
    disableCover();
}
