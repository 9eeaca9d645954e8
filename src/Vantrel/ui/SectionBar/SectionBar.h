#pragma once

#include "ExportMenuAction/ExportMenuAction.h"

#include <Fenwork/Widget.h>

#include <memory>

class QAction;
class QKeySequence;
class QLabel;
class QToolButton;

namespace Ui {
class SectionBar;
}

namespace aptui {
class Menu;
}

// The narrow bar beside the main window's client area: the Bandwidth,
// Encoding, Storage and Network tab buttons (Network with the count of the
// site's problems beside its name), and an export button with its popup menu: PDF,
// EXCEL and Screenshot, each announced by its own signal.
class SectionBar : public aptui::Widget
{
    Q_OBJECT

public:
    explicit SectionBar(QWidget* parent = nullptr);
    ~SectionBar() override;

    // "Export PDF..." (Ctrl+E) and "Export Excel..." (Ctrl+Shift+E), for
    // the title bar's menu; they work with every menu closed too.
    QList<QAction*> exportActions() const { return m_exportActions; }
    // The site's problems, as a count on the Network button; 0 shows none.
    void setProblemCount(int count);
    QString problemCountText() const;

Q_SIGNALS:
    void signalSwitchNetTab();
    void signalSwitchEncodingTab();
    void signalSwitchStorageTab();
    void signalSwitchNetworkTab();
    void signalExportPdf();
    void signalExportExcel();
    void signalExportScreenshot();

public Q_SLOTS:
    void switchNetTab();
    void switchEncodingTab();
    void switchStorageTab();
    void switchNetworkTab();
    void onPopupExport();
    void onExport(ExportMenuAction::ExportType type);

private:
    aptui::Menu* exportMenu();
    // The tab buttons act as one group: the given one checked, the others
    // not.
    void checkOnly(QToolButton* tab);
    void makeProblemBadge();
    // A window-wide shortcut that runs slot; the action is the bar's child.
    QAction* addShortcut(const QString& text, const QKeySequence& key, void (SectionBar::*slot)());

    std::unique_ptr<Ui::SectionBar> m_ui;
    QToolButton* m_storageButton = nullptr; // child of the bar
    QToolButton* m_networkButton = nullptr; // child of the bar
    QLabel* m_problemCount = nullptr;       // child of the network button, made at the first problem
    aptui::Menu* m_exportMenu = nullptr;           // child of the bar, made at its first opening
    ExportMenuAction* m_exportAction = nullptr;    // child of the menu
    QList<QAction*> m_exportActions;               // children of the bar
};
