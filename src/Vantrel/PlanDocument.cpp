#include "PlanDocument.h"

#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

PlanDocument::PlanDocument(const QString& recoveryPath, QObject* parent)
    : QObject(parent)
    , m_editor(new PlanEditor(this))
    , m_recovery(std::make_unique<PlanRecovery>(m_editor->plan(), recoveryPath))
{
    // Connected before any page: whoever hears of a change reads totals
    // that already include it.
    connect(m_editor->plan(), &Plan::changed, this, &PlanDocument::recountTotals);
    connect(m_editor, &PlanEditor::modifiedChanged, this, &PlanDocument::followModified);
    connect(m_editor->plan(), &Plan::changed, this, [this] {
        if (m_editor->isModified())
            m_recovery->schedule();
    });
}

// The recovery goes first (a member), then the plan (a child).
PlanDocument::~PlanDocument() = default;

Plan* PlanDocument::plan() const
{
    return m_editor->plan();
}

QUndoStack* PlanDocument::undoStack() const
{
    return m_editor->undoStack();
}

bool PlanDocument::isModified() const
{
    return m_editor->isModified();
}

void PlanDocument::setFilePath(const QString& path)
{
    m_filePath = path;
    m_recovery->setSourcePath(path);
}

void PlanDocument::recountTotals()
{
    m_totals = PlanTotals(m_editor->plan()->groups());
    Q_EMIT totalsChanged();
}

void PlanDocument::followModified(bool modified)
{
    // The first edit after a clean state changes the plan before the undo
    // history counts it as a change, so it is kept from here; saved or
    // undone to the saved state, there is nothing to keep.
    if (modified)
        m_recovery->schedule();
    else
        m_recovery->discard();
}
