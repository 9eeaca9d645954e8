#pragma once

#include <data/DeviceTypes.h>
#include <data/ProgressStep.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class PlanDocument;
class PlanEditor;
struct PlanData;
class PlanRecovery;
class QAction;
class QMenu;
class QWidget;

// The plan as a file: New, Open, Save, Save as, the recent plans, the
// question before unsaved work is left, and the recovery file that outlives
// a crash. Every place that asks the user goes through a prompt that tests
// can answer without a window.
class PlanFileController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxRecentPlans = 8;

    enum class SaveChoice { Cancel = 0, Save = 1, Discard = 2 };

    struct Prompts
    {
        // A file to open or save to, starting at a path; empty cancels.
        std::function<QString(const QString& start)> openPath;
        std::function<QString(const QString& start)> savePath;
        std::function<SaveChoice(const QString& question)> saveChoice;
        std::function<bool(const QString& question)> confirm;
        std::function<void(const QString& message)> notice;
        // Watches long reading or writing; its step may cancel it.
        std::function<ProgressStep(const QString& label)> progress;
    };

    PlanFileController(PlanDocument* document, QWidget* window);
    ~PlanFileController() override;

    void setPrompts(const Prompts& prompts) { m_prompts = prompts; }
    Prompts prompts() const { return m_prompts; }

    // New, Open, Save, Save as, Plan properties, then the recent plans' menu, Undo and Redo.
    QList<QAction*> fileActions() const { return m_fileActions; }
    QMenu* recentMenu() const { return m_recentMenu.get(); }
    // The example plans shipped beside the program.
    QMenu* examplesMenu() const { return m_examplesMenu.get(); }
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }
    // "Compare with...": the open plan beside another plan or a changed copy.
    QAction* compareAction() const { return m_compareAction; }

    QString filePath() const;
    // The file's name, or "Untitled", with "*" while there are unsaved
    // changes, and " (not backed up)" after it while they cannot be kept in
    // the recovery file.
    QString titleText() const;
    static QString untitledName() { return tr("Untitled"); }
    PlanRecovery* recovery() const;

    static QStringList recentPlans();

    // The video standard "New plan" starts with (the user's last choice).
    void setNewPlanStandard(VideoStandard standard) { m_newPlanStandard = standard; }
    VideoStandard newPlanStandard() const { return m_newPlanStandard; }

public Q_SLOTS:
    bool newPlan();
    bool open();
    bool openFile(const QString& path);
    // Plans named from outside (the command line, a second start): the
    // unsaved work is asked about, then the first opens and the others are
    // named as not opened, since one plan is open at a time.
    bool openNamedPlans(const QStringList& paths);
    // Opens a plan as the start of a new one: it becomes an untitled plan,
    // so the file itself is never written (the first save asks where).
    bool openTemplate(const QString& path);
    bool save();
    bool saveAs();
    // Before the plan is left: true when it may go (saved, discarded or
    // unchanged).
    bool maybeSave();
    // At start: offers what a crashed run left behind, with the time of the
    // copy and the file it belongs to; true when it was restored. Unreadable
    // recovery files are moved aside with a notice.
    bool offerRecovery();
    // The plan properties dialog; what it sets is one step of the history.
    bool editProperties();
    // The comparison dialog; plan files it reads go through the same checks
    // as Open, and a refused one is told about.
    void compareWith();
    // A clean exit keeps no recovery file.
    void closeCleanly();

Q_SIGNALS:
    void titleChanged(const QString& title);
    // A plan was opened, restored or begun anew.
    void planLoaded();

private:
    bool writeTo(const QString& path);
    // Reads a plan for opening; an empty result with no message when the
    // user cancelled.
    bool readForOpening(const QString& path, PlanData* plan);
    void fillExamplesMenu();
    // Prompts set by a test may leave the progress out.
    ProgressStep progressFor(const QString& label) const;
    void setFilePath(const QString& path);
    void rememberRecent(const QString& path);
    void fillRecentMenu();
    // The title's mark and a notice when recovery copies stop reaching the
    // disk.
    void onRecoveryFailureChanged(const QString& failure);
    QString startFolder() const;
    Prompts defaultPrompts();

    PlanDocument* m_document;
    PlanEditor* m_editor;
    QWidget* m_window;
    Prompts m_prompts;
    VideoStandard m_newPlanStandard = PAL;
    std::unique_ptr<QMenu> m_recentMenu;
    std::unique_ptr<QMenu> m_examplesMenu;
    QList<QAction*> m_fileActions;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_compareAction = nullptr;
};
