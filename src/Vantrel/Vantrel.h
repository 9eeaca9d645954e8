#pragma once

#include <Fenwork/ToolMainWindow.h>

#include <memory>

class AboutDialog;
class CapacityCalculation;
class DeviceEditor;
class HandedPlans;
class GroupImporter;
class NetworkPage;
class PlanDocument;
class PlanFileController;
class ReportExporter;
class QCloseEvent;
class QHBoxLayout;
class QKeyEvent;
class SectionBar;
class StoragePage;

// The program's main window: a frameless toolkit window with the section
// bar in its title area, the device editor on the left and the capacity
// calculation area on the right. It owns the plan document and hands it to
// the parts that show or edit the plan.
class Vantrel : public aptui::ToolMainWindow
{
    Q_OBJECT

public:
    explicit Vantrel(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~Vantrel() override;

    PlanDocument* document() const { return m_document.get(); }
    SectionBar* sectionBar() const { return m_sectionBar; }
    DeviceEditor* deviceEditor() const { return m_deviceEditor; }
    CapacityCalculation* capacityCalculation() const { return m_capacityCalculation; }
    // Made at its first use: the menu opened, F1, or a caller asking here.
    AboutDialog* aboutBox();
    PlanFileController* planFiles() const { return m_planFiles; }
    GroupImporter* groupImporter() const { return m_groupImporter; }
    StoragePage* storagePage();
    // Made when the Network tab is first opened.
    NetworkPage* networkPage();
    ReportExporter* reports() const { return m_reports; }
    // Takes the plans a later start of the program hands to this one.
    HandedPlans* handedPlans() const { return m_handedPlans; }

    // At start: a crashed run's work is offered back first; otherwise the
    // plan named on the command line (if any) is opened.
    void openAtStart(const QStringList& arguments);

Q_SIGNALS:
    void signalGetHelp();

public Q_SLOTS:
    void switchNetTab();
    void switchEncodingTab();
    void switchStorageTab();
    void switchNetworkTab();
    // The Bandwidth tab with the group's card in view.
    void showGroupCard(int groupNumber);
    void onMenuHelpClicked();
    void onMenuUpdateClicked();

protected:
    // Asks before the program ends.
    void closeEvent(QCloseEvent* event) override;
    // F1 opens the user manual.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectChildren();
    AboutDialog* makeAboutBox();
    void addFileMenu();
    // The area right of the editor: the capacity page or the storage page.
    void showSection(QWidget* area);
    void showPlanTitle(const QString& title);
    // The empty-list picture while the plan has no group, the list and
    // figures otherwise.
    void showBandwidthContent();
    void showProblemCount();

    // Made first and gone last: every part below may reach the plan until
    // it goes.
    std::unique_ptr<PlanDocument> m_document;
    QWidget* m_scrollArea = nullptr;
    QHBoxLayout* m_mainLayout = nullptr;
    SectionBar* m_sectionBar = nullptr;
    DeviceEditor* m_deviceEditor = nullptr;
    CapacityCalculation* m_capacityCalculation = nullptr;
    AboutDialog* m_aboutDialog = nullptr;
    PlanFileController* m_planFiles = nullptr;
    StoragePage* m_storagePage = nullptr;
    NetworkPage* m_networkPage = nullptr;
    ReportExporter* m_reports = nullptr;
    HandedPlans* m_handedPlans = nullptr;
    GroupImporter* m_groupImporter = nullptr;
    bool m_onBandwidthTab = true;
};
