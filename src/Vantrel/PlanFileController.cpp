#include "PlanFileController.h"

#include "CompareDialog/CompareDialog.h"
#include "ExamplePlans.h"
#include "PlanDocument.h"
#include "PlanPropertiesDialog/PlanPropertiesDialog.h"
#include "WorkProgress/WorkProgress.h"

#include <Fenwork/Menu.h>
#include <Fenwork/PlainText.h>
#include <Fenwork/WarningDlg.h>
#include <data/DeviceConfigStore.h>
#include <data/PlanFile.h>
#include <data/PlanNameCheck.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
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

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

PlanFileController::PlanFileController(PlanDocument* document, QWidget* window)
    : QObject(window)
    , m_document(document)
    , m_editor(document->editor())
    , m_window(window)
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
    QAction* propertiesAction = makeAction(tr("Plan properties..."), QKeySequence(), this);
    propertiesAction->setObjectName(QStringLiteral("actionPlanProperties"));
    connect(propertiesAction, &QAction::triggered, this, &PlanFileController::editProperties);

    m_recentMenu->setTitle(tr("Recent plans"));
    m_recentMenu->setObjectName(QStringLiteral("menuRecentPlans"));
    m_examplesMenu->setTitle(tr("Examples"));
    m_examplesMenu->setObjectName(QStringLiteral("menuExamplePlans"));

    QUndoStack* history = m_editor->undoStack();
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

    m_compareAction = makeAction(tr("Compare with..."), QKeySequence(), this);
    m_compareAction->setObjectName(QStringLiteral("actionComparePlans"));
    connect(m_compareAction, &QAction::triggered, this, &PlanFileController::compareWith);

    m_fileActions = { newAction, openAction, saveAction, saveAsAction, propertiesAction };
    fillRecentMenu();
    fillExamplesMenu();

    connect(m_editor, &PlanEditor::modifiedChanged, this, [this] { Q_EMIT titleChanged(titleText()); });
    connect(recovery(), &PlanRecovery::failureChanged, this, &PlanFileController::onRecoveryFailureChanged);
}

PlanRecovery* PlanFileController::recovery() const
{
    return m_document->recovery();
}

QString PlanFileController::filePath() const
{
    return m_document->filePath();
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
    const QString name = filePath().isEmpty() ? tr("Untitled") : QFileInfo(filePath()).fileName();
    if (!m_editor->isModified())
        return name;
    // Saved work needs no recovery copy: the mark stands only beside the star.
    return name + QLatin1Char('*') + (recovery()->isFailing() ? tr(" (not backed up)") : QString());
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
    m_editor->load(fresh, true);
    recovery()->discard();
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
    const QString error = result.ok
        ? PlanNameCheck::firstUnknown(result.plan, DeviceConfigStore(), QFileInfo(path).fileName())
        : result.error;
    if (!error.isEmpty()) {
        m_prompts.notice(tr("The plan was not opened; the open plan is unchanged.\n%1").arg(error));
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
    recovery()->discard();
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
    recovery()->discard();
    setFilePath(QFileInfo(path).absoluteFilePath());
    rememberRecent(filePath());
    Q_EMIT planLoaded();
    return true;
}

bool PlanFileController::openNamedPlans(const QStringList& paths)
{
    if (paths.isEmpty() || !maybeSave())
        return false;
    const bool opened = openFile(paths.first());
    if (paths.size() > 1) {
        QStringList others;
        for (const QString& path : paths.mid(1))
            others << native(path);
        m_prompts.notice(tr("Vantrel opens one plan at a time. These were not opened:\n%1")
                             .arg(others.join(QLatin1Char('\n'))));
    }
    return opened;
}

bool PlanFileController::save()
{
    if (filePath().isEmpty())
        return saveAs();
    return writeTo(filePath());
}

bool PlanFileController::saveAs()
{
    QString path = m_prompts.savePath(startFolder());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + PlanFile::suffix();
        // The dialog asked about replacing the name as typed, not this one.
        if (QFileInfo::exists(path)
            && !m_prompts.confirm(tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path))))
            return false;
    }
    if (!writeTo(path))
        return false;
    setFilePath(QFileInfo(path).absoluteFilePath());
    rememberRecent(filePath());
    return true;
}

bool PlanFileController::writeTo(const QString& path)
{
    QString error;
    // The progress box goes with its step, before any message is shown.
    if (!PlanFile::write(path, m_editor->plan()->data(), &error,
                         progressFor(tr("Saving %1...").arg(QFileInfo(path).fileName())))) {
        // A cancelled save has nothing to report: no file was touched.
        if (!error.isEmpty())
            m_prompts.notice(tr("The plan was not saved.\n%1").arg(error));
        return false;
    }
    m_editor->markSaved();
    recovery()->discard();
    Q_EMIT titleChanged(titleText());
    return true;
}

bool PlanFileController::maybeSave()
{
    if (!m_editor->isModified())
        return true;
    const QString name = filePath().isEmpty() ? tr("Untitled") : QFileInfo(filePath()).fileName();
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
    const PlanRecovery::Leftover leftover = recovery()->check();
    for (const PlanRecovery::Leftover::SetAside& file : leftover.setAside) {
        if (file.keptAs.isEmpty())
            m_prompts.notice(tr("The recovery file %1 cannot be restored, nor moved aside; it is left as it is.\n%2")
                                 .arg(native(file.file), file.problem));
        else
            m_prompts.notice(tr("The recovery file %1 cannot be restored. It is kept as %2.\n%3")
                                 .arg(native(file.file), native(file.keptAs), file.problem));
    }
    if (!leftover.found)
        return false;

    // Save writes over the file the copy names only if the user saw that
    // name here and it still holds a plan; otherwise Save asks where.
    const QString& named = leftover.named;
    const QString& source = leftover.saveTo;
    const int groups = int(leftover.plan.groups.size());
    const QString savedAt = QLocale().toString(leftover.savedAt, QLocale::ShortFormat);
    QStringList question{ tr("Vantrel did not close properly last time.") };
    if (leftover.outdated) {
        question << tr("Later changes could not be kept for recovery, so this copy is older than the work that "
                       "was lost.")
                 << tr("Restore the older copy (%n groups, saved for recovery at %1)?", nullptr, groups).arg(savedAt);
    } else {
        question << tr("Restore the plan you were working on (%n groups, saved for recovery at %1)?", nullptr, groups)
                        .arg(savedAt);
    }
    if (!source.isEmpty())
        question << tr("It belongs to %1; Save writes to that file.").arg(native(source));
    else if (!named.isEmpty())
        question << tr("It names %1, which is not a plan that can be read; Save asks where to save it.")
                        .arg(native(named));
    if (!m_prompts.confirm(question.join(QLatin1Char('\n')))) {
        recovery()->discard();
        return false;
    }
    m_editor->load(leftover.plan);
    // Restored work is not saved anywhere yet.
    m_editor->markModified();
    setFilePath(source);
    Q_EMIT planLoaded();
    return true;
}

bool PlanFileController::editProperties()
{
    PlanPropertiesDialog dialog(m_window);
    dialog.setProperties(m_editor->plan()->properties());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_editor->setProperties(dialog.properties());
    return true;
}

void PlanFileController::compareWith()
{
    const QString name = filePath().isEmpty() ? untitledName() : QFileInfo(filePath()).fileName();
    CompareDialog dialog(m_editor->plan()->data(), name, m_window);
    dialog.setFileAsker([this] { return m_prompts.openPath(startFolder()); });
    dialog.setPlanReader([this](const QString& path) -> std::optional<PlanData> {
        const PlanFile::ReadResult result =
            PlanFile::read(path, progressFor(tr("Opening %1...").arg(QFileInfo(path).fileName())));
        if (result.cancelled)
            return std::nullopt;
        const QString error = result.ok
            ? PlanNameCheck::firstUnknown(result.plan, DeviceConfigStore(), QFileInfo(path).fileName())
            : result.error;
        if (!error.isEmpty()) {
            m_prompts.notice(tr("The plan was not compared.\n%1").arg(error));
            return std::nullopt;
        }
        return result.plan;
    });
    dialog.exec();
}

void PlanFileController::closeCleanly()
{
    recovery()->discard();
}

void PlanFileController::setFilePath(const QString& path)
{
    m_document->setFilePath(path);
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

void PlanFileController::onRecoveryFailureChanged(const QString& failure)
{
    Q_EMIT titleChanged(titleText());
    // Once for each time writing starts to fail, not for every change.
    if (!failure.isEmpty())
        m_prompts.notice(tr("Changes to this plan cannot be kept for recovery, so a crash would lose them; save "
                            "the plan to keep them. The title shows \"not backed up\" until a copy can be "
                            "written again.\n%1")
                             .arg(failure));
}

QString PlanFileController::startFolder() const
{
    if (!filePath().isEmpty())
        return QFileInfo(filePath()).absolutePath();
    return QDir::homePath();
}
