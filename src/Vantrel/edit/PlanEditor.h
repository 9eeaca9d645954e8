#pragma once

#include <data/Plan.h>

#include <QObject>
#include <QPair>
#include <QVector>

class QUndoStack;

// Every change of the plan goes through here as an undoable command, so the
// undo history, the "modified" mark and the recovery file all see the same
// edits. Loading a plan is no edit: it starts a new history.
class PlanEditor : public QObject
{
    Q_OBJECT

public:
    // A group's row and its new content.
    using RowChange = QPair<int, PlanGroup>;

    explicit PlanEditor(QObject* parent = nullptr);
    ~PlanEditor() override;

    Plan* plan() const { return m_plan; }
    QUndoStack* undoStack() const { return m_undoStack; }

    void addGroup(const PlanGroup& group);
    // Groups after the last one, as one step of the history (an import);
    // their numbers are already the plan's free ones.
    void addGroups(const QVector<PlanGroup>& groups);
    // Puts a group back at a given row (a duplicate goes right after its
    // original).
    void insertGroup(int row, const PlanGroup& group);
    void removeGroup(int groupNumber);
    // Several groups as one step of the history; numbers no group holds
    // are passed over.
    void removeGroups(const QVector<int>& groupNumbers);
    // Several groups, each at its row as the plan stands before any of
    // them goes in, as one step of the history (copies right after their
    // originals).
    void insertGroups(const QVector<RowChange>& rowsAndGroups, const QString& text);
    // Several groups changed in place as one step of the history.
    void replaceGroups(const QVector<RowChange>& changes, const QString& text);
    // Replaces the group with the same number, in place.
    bool replaceGroup(const PlanGroup& group);
    void clearGroups();
    void switchStandard(VideoStandard standard, const QVector<RowChange>& converted);
    void setSettings(const QString& siteName, const QString& notes, const StorageSettings& storage);
    // What the plan says about itself, as one step of the history.
    void setProperties(const PlanProperties& properties);
    // Any mbps of 0 or less means no uplink.
    void setUplink(const UplinkSettings& uplink);
    // New switches and recorders, with the groups that move because of
    // them (a deleted switch's groups), as one step of the history.
    void setNetwork(const PlanNetwork& network, const QVector<RowChange>& moved = {},
                    const QString& text = QString());

    // A new or opened plan: no history, and unmodified. A new plan
    // (newPlan) may still change its standard without becoming modified,
    // as long as nothing else was done to it.
    void load(const PlanData& data, bool newPlan = false);
    bool isModified() const;
    void markSaved();
    // Work that is in no file yet, though it has no history (a restored
    // plan).
    void markModified();

Q_SIGNALS:
    void modifiedChanged(bool modified);
    // A group the user added or copied (not one an undo, a redo or an
    // opened plan brought), after the plan holds it.
    void groupAdded(int row);

private:
    // More rows than this are removed by one reset of the list.
    static constexpr int kRowsOneByOne = 64;

    Plan* m_plan = nullptr;
    QUndoStack* m_undoStack = nullptr;
    bool m_modifiedWithoutHistory = false;
    bool m_newPlan = true;
};
