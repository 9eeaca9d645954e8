#pragma once

#include <data/PlanTotals.h>
#include <data/SiteCheck.h>

#include <QObject>
#include <QString>

#include <memory>

class Plan;
class PlanEditor;
class PlanRecovery;
class QTimer;
class QUndoStack;

// The plan the window works on, with everything that belongs to it rather
// than to a page: its edits and their history, the file it came from, the
// recovery copy that follows unsaved work, and its figures, computed once
// per change for every page that shows them. The window owns it and hands
// it to the pages; no page makes or reaches for it through another.
class PlanDocument : public QObject
{
    Q_OBJECT

public:
    // recoveryPath: where unsaved work is copied; empty keeps no copy.
    explicit PlanDocument(const QString& recoveryPath, QObject* parent = nullptr);
    ~PlanDocument() override;

    PlanEditor* editor() const { return m_editor; }
    Plan* plan() const;
    QUndoStack* undoStack() const;
    PlanRecovery* recovery() const { return m_recovery.get(); }
    bool isModified() const;

    // The plan's file, empty while it has none.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);

    // The bandwidth tab's figures for the plan as it is now.
    const PlanTotals& totals() const { return m_totals; }
    // The site's check for the plan as it is now: its network's figures,
    // the load through the site uplink and the problems.
    const SiteCheck& siteCheck() const { return m_siteCheck; }

Q_SIGNALS:
    // After every change of the plan, with totals() and siteCheck() already
    // up to date.
    void totalsChanged();

private:
    void recountTotals();
    void followModified(bool modified);

    PlanEditor* m_editor = nullptr; // child
    QTimer* m_returnMemory = nullptr; // child
    std::unique_ptr<PlanRecovery> m_recovery;
    QString m_filePath;
    PlanTotals m_totals;
    SiteCheck m_siteCheck{ PlanData() };
};
