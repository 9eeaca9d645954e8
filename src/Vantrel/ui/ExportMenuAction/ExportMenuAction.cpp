#include "ExportMenuAction.h"

#include "ui_ExportMenuAction.h"

#include <QMetaType>
#include <QWidget>

ExportMenuAction::ExportMenuAction(QObject* parent)
    : QWidgetAction(parent)
    , m_ui(std::make_unique<Ui::ExportMenuAction>())
{
    // The action owns the panel once it is the default widget; until then
    // the unique_ptr does.
    auto holder = std::make_unique<QWidget>();
    m_ui->setupUi(holder.get());

    connect(m_ui->btnExportScreentShot, &QPushButton::clicked, this, &ExportMenuAction::onExportRequest);
    connect(m_ui->btnExportPdf, &QPushButton::clicked, this, &ExportMenuAction::onExportRequest);
    connect(m_ui->btnExportExcel, &QPushButton::clicked, this, &ExportMenuAction::onExportRequest);

    // The skin addresses the panel by this name; a menu holds only one.
    holder->setObjectName(QStringLiteral("ExportMenuAction_ID_FX_CANNOT_BE_MULTI"));
    setDefaultWidget(holder.release());

    qRegisterMetaType<ExportMenuAction::ExportType>("ExportMenuAction::ExportType");
}

ExportMenuAction::~ExportMenuAction() = default;

void ExportMenuAction::onExportRequest()
{
    const QObject* origin = sender();
    if (!origin)
        return;
    if (origin == m_ui->btnExportScreentShot)
        Q_EMIT signalExport(ExportScreenshot);
    else if (origin == m_ui->btnExportPdf)
        Q_EMIT signalExport(ExportPdf);
    else if (origin == m_ui->btnExportExcel)
        Q_EMIT signalExport(ExportExcel);
}
