#include "PlanDocument.h"

#include <Fenwork/FreedMemory.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QThreadPool>
#include <QTimer>

namespace {

constexpr int kReturnMemoryAfterMs = 2000;

} // namespace

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

    // A long plan closed or cleared leaves the program its old size: what
    // its groups and cards held goes back to the system once their deferred
    // deletes have run and the user has paused. Trimming the heap takes
    // tens of milliseconds for a city, so it never runs inside an action,
    // and it runs on a worker thread.
    m_returnMemory = new QTimer(this);
    m_returnMemory->setSingleShot(true);
    m_returnMemory->setInterval(kReturnMemoryAfterMs);
    connect(m_returnMemory, &QTimer::timeout, this, [] { QThreadPool::globalInstance()->start(&aptui::ReturnFreedMemory); });
    connect(m_editor->plan(), &Plan::groupsReset, m_returnMemory, qOverload<>(&QTimer::start));
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
    m_siteCheck = SiteCheck(m_editor->plan()->data());
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
