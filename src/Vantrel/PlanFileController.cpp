#include "PlanFileController.h"

#include "ExamplePlans.h"
#include "WorkProgress.h"

#include <Fenwork/Menu.h>
#include <Fenwork/PlainText.h>
#include <Fenwork/WarningDlg.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QUndoStack>
#include <QWidget>

namespace {

const char kRecentKey[] = "recentPlans";

QAction* makeAction(const QString& text, const QKeySequence& shortcut, QObject* parent)
{
    auto* action = new QAction(text, parent);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

PlanFileController::PlanFileController(PlanEditor* editor, QWidget* window, const QString& recoveryPath)
    : QObject(window)
    , m_editor(editor)
    , m_window(window)
    , m_recovery(std::make_unique<PlanRecovery>(editor->plan(), recoveryPath))
    , m_recentMenu(std::make_unique<aptui::Menu>())
    , m_examplesMenu(std::make_unique<aptui::Menu>())
{
    m_prompts = defaultPrompts();

    QAction* newAction = makeAction(tr("New plan"), QKeySequence::New, this);
    QAction* openAction = makeAction(tr("Open..."), QKeySequence::Open, this);
    QAction* saveAction = makeAction(tr("Save"), QKeySequence::Save, this);
    QAction* saveAsAction = makeAction(tr("Save as..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this);
    newAction->setObjectName(QStringLiteral("actionNewPlan"));
    openAction->setObjectName(QStringLiteral("actionOpenPlan"));
    saveAction->setObjectName(QStringLiteral("actionSavePlan"));
    saveAsAction->setObjectName(QStringLiteral("actionSavePlanAs"));
    connect(newAction, &QAction::triggered, this, &PlanFileController::newPlan);
    connect(openAction, &QAction::triggered, this, &PlanFileController::open);
    connect(saveAction, &QAction::triggered, this, &PlanFileController::save);
    connect(saveAsAction, &QAction::triggered, this, &PlanFileController::saveAs);

    m_recentMenu->setTitle(tr("Recent plans"));
    m_recentMenu->setObjectName(QStringLiteral("menuRecentPlans"));
    m_examplesMenu->setTitle(tr("Examples"));
    m_examplesMenu->setObjectName(QStringLiteral("menuExamplePlans"));

    QUndoStack* history = editor->undoStack();
    m_undoAction = makeAction(tr("Undo"), QKeySequence::Undo, this);
    m_redoAction = makeAction(tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this);
    m_redoAction->setShortcuts({ QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    m_undoAction->setObjectName(QStringLiteral("actionUndo"));
    m_redoAction->setObjectName(QStringLiteral("actionRedo"));
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    connect(m_undoAction, &QAction::triggered, history, &QUndoStack::undo);
    connect(m_redoAction, &QAction::triggered, history, &QUndoStack::redo);
    connect(history, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);

    m_fileActions = { newAction, openAction, saveAction, saveAsAction };
    fillRecentMenu();
    fillExamplesMenu();

    connect(editor, &PlanEditor::modifiedChanged, this, &PlanFileController::onModifiedChanged);
    connect(editor->plan(), &Plan::changed, this, [this] {
        if (m_editor->isModified())
            m_recovery->schedule();
    });
}

PlanFileController::~PlanFileController() = default;

PlanFileController::Prompts PlanFileController::defaultPrompts()
{
    Prompts prompts;
    const QString filter = tr("Vantrel plans (*.vantrel)");
    prompts.openPath = [this, filter](const QString& start) {
        return QFileDialog::getOpenFileName(m_window, tr("Open plan"), start, filter);
    };
    prompts.savePath = [this, filter](const QString& start) {
        return QFileDialog::getSaveFileName(m_window, tr("Save plan"), start, filter);
    };
    prompts.saveChoice = [this](const QString& question) {
        return static_cast<SaveChoice>(aptui::WarningDlg::ChooseMessageInfo(
            tr("Unsaved changes"), question, tr("Save"), tr("Discard"), tr("Cancel"), m_window));
    };
    prompts.confirm = [this](const QString& question) {
        return aptui::WarningDlg::CheckMessageInfo(tr("Vantrel"), question, m_window) == 1;
    };
    prompts.notice = [this](const QString& message) {
        aptui::WarningDlg::ShowMessageInfo(tr("Vantrel"), message, m_window);
    };
    prompts.progress = [this](const QString& label) { return WorkProgress::dialog(m_window, label); };
    return prompts;
}

QString PlanFileController::titleText() const
{
    const QString name = m_filePath.isEmpty() ? tr("Untitled") : QFileInfo(m_filePath).fileName();
    return m_editor->isModified() ? name + QLatin1Char('*') : name;
}

QStringList PlanFileController::recentPlans()
{
    return QSettings().value(QLatin1String(kRecentKey)).toStringList();
}

bool PlanFileController::newPlan()
{
    if (!maybeSave())
        return false;
    PlanData fresh;
    fresh.videoStandard = m_newPlanStandard;
    m_editor->load(fresh);
    m_recovery->discard();
    setFilePath(QString());
    Q_EMIT planLoaded();
    return true;
}

bool PlanFileController::open()
{
    if (!maybeSave())
        return false;
    const QString path = m_prompts.openPath(startFolder());
    if (path.isEmpty())
        return false;
    return openFile(path);
}

ProgressStep PlanFileController::progressFor(const QString& label) const
{
    return m_prompts.progress ? m_prompts.progress(label) : ProgressStep();
}

bool PlanFileController::readForOpening(const QString& path, PlanData* plan)
{
    const PlanFile::ReadResult result =
        PlanFile::read(path, progressFor(tr("Opening %1...").arg(QFileInfo(path).fileName())));
    if (result.cancelled)
        return false;
    if (!result.ok) {
        m_prompts.notice(tr("The plan was not opened; the open plan is unchanged.\n%1").arg(result.error));
        return false;
    }
    *plan = result.plan;
    return true;
}

bool PlanFileController::openTemplate(const QString& path)
{
    PlanData plan;
    if (!readForOpening(path, &plan))
        return false;
    m_editor->load(plan);
    m_recovery->discard();
    setFilePath(QString());
    Q_EMIT planLoaded();
    return true;
}

bool PlanFileController::openFile(const QString& path)
{
    PlanData plan;
    if (!readForOpening(path, &plan))
        return false;
    m_editor->load(plan);
    m_recovery->discard();
    setFilePath(QFileInfo(path).absoluteFilePath());
    rememberRecent(m_filePath);
    Q_EMIT planLoaded();
    return true;
}

bool PlanFileController::save()
{
    if (m_filePath.isEmpty())
        return saveAs();
    return writeTo(m_filePath);
}

bool PlanFileController::saveAs()
{
    QString path = m_prompts.savePath(startFolder());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + PlanFile::suffix();
    if (!writeTo(path))
        return false;
    setFilePath(QFileInfo(path).absoluteFilePath());
    rememberRecent(m_filePath);
    return true;
}

bool PlanFileController::writeTo(const QString& path)
{
    QString error;
    const ProgressStep progress = progressFor(tr("Saving %1...").arg(QFileInfo(path).fileName()));
    if (!PlanFile::write(path, m_editor->plan()->data(), &error, progress)) {
        // A cancelled save has nothing to report: no file was touched.
        if (!error.isEmpty())
            m_prompts.notice(tr("The plan was not saved.\n%1").arg(error));
        return false;
    }
    m_editor->markSaved();
    m_recovery->discard();
    Q_EMIT titleChanged(titleText());
    return true;
}

bool PlanFileController::maybeSave()
{
    if (!m_editor->isModified())
        return true;
    const QString name = m_filePath.isEmpty() ? tr("Untitled") : QFileInfo(m_filePath).fileName();
    switch (m_prompts.saveChoice(tr("The plan %1 has unsaved changes. Save them?").arg(name))) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool PlanFileController::offerRecovery()
{
    const auto pending = PlanRecovery::pending(m_recovery->path());
    if (!pending)
        return false;
    const bool restore = m_prompts.confirm(
        tr("Vantrel did not close properly last time. Restore the plan you were working on (%1 groups)?")
            .arg(pending->plan.groups.size()));
    if (!restore) {
        m_recovery->discard();
        return false;
    }
    m_editor->load(pending->plan);
    // Restored work is not saved anywhere yet.
    m_editor->markModified();
    setFilePath(pending->recoveredFrom);
    Q_EMIT planLoaded();
    return true;
}

void PlanFileController::closeCleanly()
{
    m_recovery->discard();
}

void PlanFileController::setFilePath(const QString& path)
{
    m_filePath = path;
    m_recovery->setSourcePath(path);
    Q_EMIT titleChanged(titleText());
}

void PlanFileController::rememberRecent(const QString& path)
{
    QStringList recent = recentPlans();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kMaxRecentPlans)
        recent.removeLast();
    QSettings().setValue(QLatin1String(kRecentKey), recent);
    fillRecentMenu();
}

void PlanFileController::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = recentPlans();
    for (const QString& path : recent) {
        // A path's '&' is part of its name, not a shortcut.
        QAction* action = m_recentMenu->addAction(aptui::PlainText::mnemonicFree(QDir::toNativeSeparators(path)));
        connect(action, &QAction::triggered, this, [this, path] {
            if (maybeSave())
                openFile(path);
        });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void PlanFileController::fillExamplesMenu()
{
    const QVector<ExamplePlans::Entry> examples = ExamplePlans::available();
    for (const ExamplePlans::Entry& example : examples) {
        QAction* action = m_examplesMenu->addAction(example.title);
        const QString path = example.path;
        connect(action, &QAction::triggered, this, [this, path] {
            if (maybeSave())
                openTemplate(path);
        });
    }
    m_examplesMenu->setEnabled(!examples.isEmpty());
}

void PlanFileController::onModifiedChanged(bool modified)
{
    if (!modified)
        m_recovery->discard();
    Q_EMIT titleChanged(titleText());
}

QString PlanFileController::startFolder() const
{
    if (!m_filePath.isEmpty())
        return QFileInfo(m_filePath).absolutePath();
    return QDir::homePath();
}
