#pragma once

#include "ExportMenuAction/ExportMenuAction.h"

#include <Fenwork/Widget.h>

#include <memory>

namespace Ui {
class SectionBar;
}

namespace aptui {
class Menu;
}

// The narrow bar beside the main window's client area: the Bandwidth and
// Encoding tab buttons, and an export button with its popup menu: PDF,
// EXCEL and Screenshot, each announced by its own signal.
class SectionBar : public aptui::Widget
{
    Q_OBJECT

public:
    explicit SectionBar(QWidget* parent = nullptr);
    ~SectionBar() override;

Q_SIGNALS:
    void signalSwitchNetTab();
    void signalSwitchEncodingTab();
    void signalExportPdf();
    void signalExportExcel();
    void signalExportScreenshot();

public Q_SLOTS:
    void switchNetTab();
    void switchEncodingTab();
    void onPopupExport();
    void onExport(ExportMenuAction::ExportType type);

private:
    std::unique_ptr<Ui::SectionBar> m_ui;
    aptui::Menu* m_exportMenu = nullptr;           // child of the bar
    ExportMenuAction* m_exportAction = nullptr;    // child of the menu
};
