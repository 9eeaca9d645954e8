#include "SectionBar.h"

#include "ui_SectionBar.h"

#include <Fenwork/Menu.h>

namespace {
// Where the export menu opens relative to the export button: above it, so
// the menu does not run off the bottom of the bar.
const QPoint kMenuOffset(-12, -170);
} // namespace

SectionBar::SectionBar(QWidget* parent)
    : aptui::Widget(parent)
    , m_ui(std::make_unique<Ui::SectionBar>())
{
    m_ui->setupUi(this);

    m_exportMenu = new aptui::Menu(this);
    m_exportAction = new ExportMenuAction(m_exportMenu);
    m_exportMenu->addAction(m_exportAction);

    m_exportMenu->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_exportMenu->setAttribute(Qt::WA_TranslucentBackground);
    m_exportMenu->setFocusPolicy(Qt::NoFocus);

    connect(m_ui->encodingBtn, &QToolButton::clicked, this, &SectionBar::switchEncodingTab);
    connect(m_ui->bandwidthBtn, &QToolButton::clicked, this, &SectionBar::switchNetTab);
    connect(m_ui->btnExport, &QToolButton::clicked, this, &SectionBar::onPopupExport);
    connect(m_exportAction, &ExportMenuAction::signalExport, this, &SectionBar::onExport);

    switchNetTab();
}

SectionBar::~SectionBar() = default;

void SectionBar::switchNetTab()
{
    m_ui->bandwidthBtn->setCheckable(true);
    m_ui->bandwidthBtn->setChecked(true);
    m_ui->encodingBtn->setCheckable(true);
    m_ui->encodingBtn->setChecked(false);
    Q_EMIT signalSwitchNetTab();
}

void SectionBar::switchEncodingTab()
{
    m_ui->encodingBtn->setCheckable(true);
    m_ui->encodingBtn->setChecked(true);
    m_ui->bandwidthBtn->setCheckable(true);
    m_ui->bandwidthBtn->setChecked(false);
    Q_EMIT signalSwitchEncodingTab();
}

void SectionBar::onPopupExport()
{
    const QPoint anchor = mapToGlobal(pos()) + m_ui->btnExport->pos();
    m_exportMenu->popup(anchor + kMenuOffset);
}

void SectionBar::onExport(ExportMenuAction::ExportType type)
{
    m_exportMenu->close();
    switch (type) {
    case ExportMenuAction::ExportPdf:
        Q_EMIT signalExportPdf();
        break;
    case ExportMenuAction::ExportExcel:
        Q_EMIT signalExportExcel();
        break;
    case ExportMenuAction::ExportScreenshot:
        Q_EMIT signalExportScreenshot();
        break;
    }
}
