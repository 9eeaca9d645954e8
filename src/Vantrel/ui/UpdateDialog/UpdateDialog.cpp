#include "UpdateDialog.h"

#include "ui_UpdateDialog.h"

#include "WorkProgress/WorkProgress.h"

#include <data/SceneTableImporter.h>

#include <Fenwork/PlainText.h>
#include <Fenwork/SafeFileWriter.h>
#include <Fenwork/WarningDlg.h>

#include <QDir>
#include <QFileDialog>
#include <QPixmap>

namespace {
const QString kIconOk = QStringLiteral(":/CommonSkin/Morvane/Images/Morvane/DeviceInfo/icon_state_ok.png");
// A message and its detail, the detail wrapped once.
constexpr int kStatusLines = 3;
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
    , m_progress([this](const QString& label) { return WorkProgress::dialog(this, label); })
{
    setTitle(tr("Update Data"));
    m_borderWidget = new QWidget(this);
    m_ui->setupUi(m_borderWidget);
    m_borderWidget->setObjectName(QStringLiteral("UpdateDialog_m_borderWidget"));
    setCenterWidget(m_borderWidget);
    SetFixedSize(400, 300);
    connect(m_ui->m_btnExport, &QPushButton::clicked, this, &UpdateDialog::onExportTemplate);
    connect(m_ui->m_btnImport, &QPushButton::clicked, this, &UpdateDialog::onImportScene);
    connect(m_ui->m_btnRestore, &QPushButton::clicked, this, &UpdateDialog::onRestoreShippedScenes);
    m_ui->m_tipText->setWordWrap(true);
    // The status has its room from the start, so a message never moves the
    // buttons under the pointer; a longer one is cut at the bottom, and its
    // tooltip holds the detail.
    m_ui->m_tipText->ensurePolished();
    m_ui->m_tipText->setFixedHeight(kStatusLines * m_ui->m_tipText->fontMetrics().lineSpacing());
    m_ui->m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui->horizontalLayoutStatus->setAlignment(m_ui->m_tipIcon, Qt::AlignTop);
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

void UpdateDialog::setProgress(std::function<ProgressStep(const QString& label)> progress)
{
    m_progress = std::move(progress);
}

QString UpdateDialog::templateText() const
{
    return tr("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n")
        + tr("Hospital,H.265,720P(1280x720),1204,D:\\scene\\hospital_720p.png\n")
        + tr("Hospital,H.264,1080P(1920x1080),2048,D:\\scene\\hospital_1080p.png\n")
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
    QString error;
    if (aptui::SafeFileWriter::writeFile(path, templateText().toUtf8(), &error))
        showStatus(StatusKind::Export, true, QDir::toNativeSeparators(path));
    else
        showStatus(StatusKind::Export, false, error);
}

void UpdateDialog::onImportScene()
{
    const QString path = m_askOpenFile(this, tr("Open File"), QString(), QStringLiteral("*.csv"));
    if (path.isEmpty()) {
        showStatus(StatusKind::None);
        return;
    }
    // A site's table may hold a hundred thousand rows, each picture opened:
    // the check shows its progress and stops at Cancel like the import.
    const SceneTableCheck check = [this, &path] {
        const ProgressStep progress = m_progress ? m_progress(tr("Checking the scene table...")) : ProgressStep();
        return SceneTableImporter::check(path, progress);
    }();
    if (check.cancelled || (check.canImport() && !confirmImport(check))) {
        showStatus(StatusKind::None);
        return;
    }
    const ProgressStep progress = m_progress ? m_progress(tr("Importing the scene pictures...")) : ProgressStep();
    const SceneTableImporter::Result result = SceneTableImporter::install(check, progress);
    if (result.outcome == SceneTableImporter::Outcome::Cancelled) {
        showStatus(StatusKind::None);
        return;
    }
    showStatus(StatusKind::Import, result.ok(), result.error);
}

bool UpdateDialog::confirmImport(const SceneTableCheck& check)
{
    // An import replaces the whole set: what goes is said as plainly as
    // what comes.
    const SceneTableImporter::InstalledSet installed = SceneTableImporter::installed();
    QStringList lines{ tr("The table holds %1 in %2.")
                           .arg(tr("%n rows", nullptr, int(check.rows.size())),
                                tr("%n scenes", nullptr, int(check.scenes.size()))) };
    if (!check.problems.isEmpty())
        lines << tr("%n rows are refused and left out: %1.", nullptr, int(check.problems.size()))
                     .arg(check.problemSummary());
    lines << tr("The scenes in use now, %1 with %2 and %3, will be removed.")
                 .arg(tr("%n scenes", nullptr, installed.scenes), tr("%n rows", nullptr, installed.rows),
                      tr("%n pictures", nullptr, installed.pictures))
          << tr("Replace the scene table?");
    return aptui::WarningDlg::CheckMessageInfo(tr("Update Data"), lines.join(QLatin1Char('\n')), this) == 1;
}

void UpdateDialog::onRestoreShippedScenes()
{
    const SceneTableImporter::Result result = SceneTableImporter::restoreShipped();
    showStatus(StatusKind::Restore, result.ok(), result.error);
}

void UpdateDialog::showStatus(StatusKind kind, bool ok, const QString& detail)
{
    // The detail quotes paths and rows of the imported table.
    m_ui->m_tipText->setToolTip(aptui::PlainText::toolTip(detail));
    if (kind == StatusKind::None) {
        m_ui->m_tipText->setText(QString());
        m_ui->m_tipIcon->setPixmap(QPixmap());
        return;
    }
    m_ui->m_tipText->show();
    m_ui->m_tipIcon->show();
    m_ui->m_tipIcon->setPixmap(QPixmap(ok ? kIconOk : kIconError));
    QString text;
    if (kind == StatusKind::Export)
        text = ok ? tr("Export Success.") : tr("Export Failure.");
    else if (kind == StatusKind::Import)
        text = ok ? tr("Import Success, Restart Software to Work.") : tr("Import Failure.");
    else
        text = ok ? tr("The shipped scenes are back. Restart the program to use them.")
                  : tr("The shipped scenes could not be restored.");
    m_ui->m_tipText->setText(detail.isEmpty() ? text : text + QLatin1Char('\n') + detail);
}
