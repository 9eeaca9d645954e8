#include "UpdateDialog.h"

#include "ui_UpdateDialog.h"

#include <data/SceneTableImporter.h>

#include <QDir>
#include <QFileDialog>
#include <QPixmap>
#include <QSaveFile>

namespace {
const QString kIconOk = QStringLiteral(":/CommonSkin/Morvane/Images/Morvane/DeviceInfo/icon_state_ok.png");
const QString kIconError = QStringLiteral(":/CommonSkin/Morvane/Images/Morvane/DeviceInfo/icon_state_error.png");
} // namespace

UpdateDialog::UpdateDialog(QWidget* parent)
    : aptui::BaseDialog(false, false, false, false, true, true, false, parent)
    , m_ui(std::make_unique<Ui::UpdateDialog>())
    , m_askSaveFile([](QWidget* parent, const QString& caption, const QString& start, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, start, filter);
    })
    , m_askOpenFile([](QWidget* parent, const QString& caption, const QString& start, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, start, filter);
    })
{
    setTitle(tr("Update Data"));
    m_borderWidget = new QWidget(this);
    m_ui->setupUi(m_borderWidget);
    m_borderWidget->setObjectName(QStringLiteral("UpdateDialog_m_borderWidget"));
    setCenterWidget(m_borderWidget);
    SetFixedSize(400, 300);
    connect(m_ui->m_btnExport, &QPushButton::clicked, this, &UpdateDialog::onExportTemplate);
    connect(m_ui->m_btnImport, &QPushButton::clicked, this, &UpdateDialog::onImportScene);
    showStatus(StatusKind::None);
    m_ui->m_labelTip->hide();
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::setSaveFileAsker(FileAsker asker)
{
    m_askSaveFile = std::move(asker);
}

void UpdateDialog::setOpenFileAsker(FileAsker asker)
{
    m_askOpenFile = std::move(asker);
}

QString UpdateDialog::templateText() const
{
    return tr("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n")
        + tr("Hospital,H.265,720P,1204,D:\\scene\\hospital1.png\n")
        + tr("Hospital,H.264,1080P,2048,D:\\scene\\hospital2.png\n")
        + QLatin1Char('\n');
}

void UpdateDialog::onExportTemplate()
{
    const QString path = m_askSaveFile(this, tr("Save File"),
                                       QDir::home().filePath(QStringLiteral("Template.csv")),
                                       QStringLiteral("*.csv"));
    if (path.isEmpty()) {
        showStatus(StatusKind::None);
        return;
    }
    // Written aside and renamed in one step: a failed export never destroys
    // a file that was already there.
    QSaveFile file(path);
    const QByteArray content = templateText().toUtf8();
    const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
    showStatus(StatusKind::Export, written);
}

void UpdateDialog::onImportScene()
{
    const QString path = m_askOpenFile(this, tr("Open File"), QString(), QStringLiteral("*.csv"));
    if (path.isEmpty()) {
        showStatus(StatusKind::None);
        return;
    }
    showStatus(StatusKind::Import, SceneTableImporter::importFrom(path).ok());
}

void UpdateDialog::showStatus(StatusKind kind, bool ok)
{
    if (kind == StatusKind::None) {
        m_ui->m_tipText->setText(QString());
        m_ui->m_tipIcon->setPixmap(QPixmap());
        return;
    }
    m_ui->m_tipText->show();
    m_ui->m_tipIcon->show();
    m_ui->m_tipIcon->setPixmap(QPixmap(ok ? kIconOk : kIconError));
    if (kind == StatusKind::Export)
        m_ui->m_tipText->setText(ok ? tr("Export Success.") : tr("Export Failure."));
    else
        m_ui->m_tipText->setText(ok ? tr("Import Success, Restart Software to Work.") : tr("Import Failure."));
}
