#include "PlanEditor.h"

#include "AddGroupCommand.h"
#include "AddGroupsCommand.h"
#include "PlanPropertiesCommand.h"
#include "PlanSettingsCommand.h"
#include "PlanNetworkCommand.h"
#include "PlanUplinkCommand.h"
#include "RemoveGroupCommand.h"
#include "ReplaceGroupsCommand.h"
#include "ResetGroupsCommand.h"

#include <data/GroupRule.h>

#include <QSet>
#include <QUndoStack>

#include <algorithm>
#include <memory>

PlanEditor::PlanEditor(QObject* parent)
    : QObject(parent)
    , m_plan(new Plan(this))
    , m_undoStack(new QUndoStack(this))
{
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this] { Q_EMIT modifiedChanged(isModified()); });
}

PlanEditor::~PlanEditor() = default;

void PlanEditor::addGroup(const PlanGroup& group)
{
    insertGroup(m_plan->groupCount(), group);
}

void PlanEditor::addGroups(const QVector<PlanGroup>& groups)
{
    if (groups.isEmpty())
        return;
    QVector<PlanGroup> recordable;
    recordable.reserve(groups.size());
    for (const PlanGroup& group : groups)
        recordable.append(GroupRule::withRecordableStreams(group));
    m_undoStack->push(new AddGroupsCommand(m_plan, recordable));
}

void PlanEditor::insertGroup(int row, const PlanGroup& group)
{
    const int at = qBound(0, row, m_plan->groupCount());
    m_undoStack->push(new AddGroupCommand(m_plan, at, GroupRule::withRecordableStreams(group)));
    Q_EMIT groupAdded(at);
}

void PlanEditor::removeGroup(int groupNumber)
{
    const int row = m_plan->rowOfNumber(groupNumber);
    if (row >= 0)
        m_undoStack->push(new RemoveGroupCommand(m_plan, row));
}

void PlanEditor::removeGroups(const QVector<int>& groupNumbers)
{
    // One walk over the plan: a choice may hold every group of a long plan.
    const QSet<int> numbers(groupNumbers.cbegin(), groupNumbers.cend());
    QVector<int> rows;
    for (int row = 0; row < m_plan->groupCount(); ++row) {
        if (numbers.contains(m_plan->groupAt(row).device.groupNumber))
            rows.append(row);
    }
    if (rows.isEmpty())
        return;
    if (rows.size() == 1) {
        m_undoStack->push(new RemoveGroupCommand(m_plan, rows.first()));
        return;
    }
    const QString text = tr("Delete %n groups", nullptr, int(rows.size()));
    // Many rows go at once: one reset instead of a signal, and a new total,
    // per row.
    if (rows.size() > kRowsOneByOne) {
        QVector<PlanGroup> kept;
        kept.reserve(m_plan->groupCount() - rows.size());
        for (const PlanGroup& group : m_plan->groups()) {
            if (!numbers.contains(group.device.groupNumber))
                kept.append(group);
        }
        m_undoStack->push(new ResetGroupsCommand(m_plan, kept, text));
        return;
    }
    // From the last row up, so each row still holds its group when its
    // turn comes; undone, they come back from the first row down.
    auto parent = std::make_unique<QUndoCommand>(text);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        new RemoveGroupCommand(m_plan, *row, parent.get());
    m_undoStack->push(parent.release());
}

void PlanEditor::insertGroups(const QVector<RowChange>& rowsAndGroups, const QString& text)
{
    if (rowsAndGroups.isEmpty())
        return;
    QVector<RowChange> ordered;
    ordered.reserve(rowsAndGroups.size());
    for (const RowChange& change : rowsAndGroups)
        ordered.append({ qBound(0, change.first, m_plan->groupCount()),
                         GroupRule::withRecordableStreams(change.second) });
    // From the last row up, so the rows of those still to come hold.
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const RowChange& a, const RowChange& b) { return a.first > b.first; });
    if (ordered.size() > kRowsOneByOne) {
        // Many at once: the new list in one reset.
        QVector<PlanGroup> groups = m_plan->groups();
        for (const RowChange& change : std::as_const(ordered))
            groups.insert(change.first, change.second);
        m_undoStack->push(new ResetGroupsCommand(m_plan, groups, text));
    } else {
        auto parent = std::make_unique<QUndoCommand>(text);
        for (const RowChange& change : std::as_const(ordered))
            new AddGroupCommand(m_plan, change.first, change.second, parent.get());
        m_undoStack->push(parent.release());
    }
    // The first of them is the one to see.
    Q_EMIT groupAdded(m_plan->rowOfNumber(ordered.last().second.device.groupNumber));
}

void PlanEditor::replaceGroups(const QVector<RowChange>& changes, const QString& text)
{
    if (changes.isEmpty())
        return;
    QVector<RowChange> kept;
    kept.reserve(changes.size());
    for (const RowChange& change : changes) {
        if (change.first >= 0 && change.first < m_plan->groupCount())
            kept.append({ change.first, GroupRule::withRecordableStreams(change.second) });
    }
    if (!kept.isEmpty())
        m_undoStack->push(new ReplaceGroupsCommand(m_plan, kept, text));
}

bool PlanEditor::replaceGroup(const PlanGroup& group)
{
    const int row = m_plan->rowOfNumber(group.device.groupNumber);
    if (row < 0)
        return false;
    m_undoStack->push(new ReplaceGroupsCommand(m_plan, { { row, GroupRule::withRecordableStreams(group) } },
                                               tr("Edit %1").arg(group.device.channelName)));
    return true;
}

void PlanEditor::clearGroups()
{
    if (m_plan->groupCount() == 0)
        return;
    m_undoStack->push(new ResetGroupsCommand(m_plan, {}, tr("Clear all groups")));
}

void PlanEditor::switchStandard(VideoStandard standard, const QVector<RowChange>& converted)
{
    if (standard == m_plan->videoStandard() && converted.isEmpty())
        return;
    // A new plan nobody has touched just starts with the other standard:
    // there is nothing to undo, and nothing to ask about when it is left.
    if (m_newPlan && m_plan->groupCount() == 0 && m_undoStack->count() == 0 && !isModified()) {
        PlanData data = m_plan->data();
        data.videoStandard = standard;
        m_plan->resetAll(data);
        return;
    }
    auto command = std::make_unique<ReplaceGroupsCommand>(m_plan, converted, tr("Switch to %1")
                                                                                  .arg(standard == NTSC ? tr("NTSC")
                                                                                                        : tr("PAL")));
    command->setStandards(m_plan->videoStandard(), standard);
    m_undoStack->push(command.release());
}

void PlanEditor::setSettings(const QString& siteName, const QString& notes, const StorageSettings& storage)
{
    if (siteName == m_plan->siteName() && notes == m_plan->notes() && storage == m_plan->storage())
        return;
    m_undoStack->push(new PlanSettingsCommand(m_plan, { siteName, notes, storage }));
}

void PlanEditor::setProperties(const PlanProperties& properties)
{
    if (properties == m_plan->properties())
        return;
    m_undoStack->push(new PlanPropertiesCommand(m_plan, properties));
}

void PlanEditor::setUplink(const UplinkSettings& uplink)
{
    const UplinkSettings wanted = uplink.isSet() ? uplink : UplinkSettings();
    if (wanted == m_plan->uplink())
        return;
    m_undoStack->push(new PlanUplinkCommand(m_plan, wanted));
}

void PlanEditor::setNetwork(const PlanNetwork& network, const QVector<RowChange>& moved, const QString& text)
{
    if (network == m_plan->network() && moved.isEmpty())
        return;
    m_undoStack->push(new PlanNetworkCommand(m_plan, network, moved,
                                             text.isEmpty() ? tr("Change the network") : text));
}

void PlanEditor::load(const PlanData& data, bool newPlan)
{
    m_newPlan = newPlan;
    m_undoStack->clear();
    m_plan->resetAll(data);
    markSaved();
}

bool PlanEditor::isModified() const
{
    return m_modifiedWithoutHistory || !m_undoStack->isClean();
}

void PlanEditor::markSaved()
{
    const bool was = isModified();
    m_modifiedWithoutHistory = false;
    m_undoStack->setClean();
    if (was)
        Q_EMIT modifiedChanged(false);
}

void PlanEditor::markModified()
{
    const bool was = isModified();
    m_modifiedWithoutHistory = true;
    if (!was)
        Q_EMIT modifiedChanged(true);
}
