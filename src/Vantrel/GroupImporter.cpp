#include "GroupImporter.h"

#include "ImportPreviewDialog/ImportPreviewDialog.h"
#include "PlanDocument.h"
#include "PlanFileController.h"

#include <data/DeviceConfigStore.h>
#include <data/FreeGroupNumbers.h>
#include <data/GroupTableReader.h>
#include <edit/PlanEditor.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

GroupImporter::GroupImporter(PlanDocument* document, PlanFileController* planFiles, QWidget* window)
    : QObject(window)
    , m_document(document)
    , m_planFiles(planFiles)
    , m_window(window)
    , m_action(new QAction(tr("Import groups..."), this))
{
    m_action->setObjectName(QStringLiteral("actionImportGroups"));
    connect(m_action, &QAction::triggered, this, &GroupImporter::importGroups);
}

QString GroupImporter::askForTable() const
{
    const QString planPath = m_planFiles->filePath();
    const QString start = planPath.isEmpty() ? QDir::homePath() : QFileInfo(planPath).absolutePath();
    QFileDialog dialog(m_window, tr("Import groups"), start,
                       tr("Group tables (*.csv *.xlsx);;CSV (*.csv);;Excel workbooks (*.xlsx)"));
    dialog.setObjectName(QStringLiteral("importGroupsFileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool GroupImporter::importGroups()
{
    const QString path = askForTable();
    return !path.isEmpty() && importFile(path);
}

bool GroupImporter::importFile(const QString& path)
{
    const PlanFileController::Prompts prompts = m_planFiles->prompts();
    const Plan* plan = m_document->plan();
    const DeviceConfigStore store;
    const QString name = QFileInfo(path).fileName();
    const ProgressStep progress = prompts.progress ? prompts.progress(tr("Reading %1...").arg(name)) : ProgressStep();
    const GroupTableReader::Result table =
        GroupTableReader::read(path, {store, plan->videoStandard(), plan->network()}, progress);
    if (table.cancelled)
        return false;
    if (!table.ok) {
        if (prompts.notice)
            prompts.notice(table.error);
        return false;
    }
    QVector<PlanGroup> groups = table.groups;
    FreeGroupNumbers::assign(groups, plan->groups());
    ImportPreviewDialog preview(name, table, groups, m_window);
    if (preview.exec() != QDialog::Accepted)
        return false;
    m_document->editor()->addGroups(groups);
    return !groups.isEmpty();
}
