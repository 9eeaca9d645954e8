#pragma once

#include <QWidgetAction>

#include <memory>

class QWidget;

namespace Ui {
class ExportMenuAction;
}

// The export menu's single entry: a small panel with one button per export
// kind. Which button was pressed leaves as signalExport.
class ExportMenuAction : public QWidgetAction
{
    Q_OBJECT

public:
    enum ExportType {
        ExportScreenshot = 0,
        ExportPdf = 1,
        ExportExcel = 2
    };
    Q_ENUM(ExportType)

    explicit ExportMenuAction(QObject* parent = nullptr);
    ~ExportMenuAction() override;

Q_SIGNALS:
    void signalExport(ExportMenuAction::ExportType type);

public Q_SLOTS:
    // Emits the kind that belongs to the pressed button; a call that does
    // not come from one of the three buttons does nothing.
    void onExportRequest();

private:
    std::unique_ptr<Ui::ExportMenuAction> m_ui;
};
