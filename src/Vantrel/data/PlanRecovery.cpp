#include "PlanRecovery.h"

#include "Plan.h"
#include <Fenwork/SafeFileWriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

PlanRecovery::PlanRecovery(const Plan* plan, QString path, QObject* parent)
    : QObject(parent)
    , m_plan(plan)
    , m_path(std::move(path))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PlanRecovery::writeSnapshot);
    m_writer.setMaxThreadCount(1);
}

PlanRecovery::~PlanRecovery()
{
    m_writer.waitForDone();
}

QString PlanRecovery::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery.vantrel");
}

std::optional<PlanFile::ReadResult> PlanRecovery::pending(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    PlanFile::ReadResult result = PlanFile::read(path);
    if (!result.ok)
        return std::nullopt;
    return result;
}

void PlanRecovery::schedule()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void PlanRecovery::flush()
{
    m_timer.stop();
    writeSnapshot();
    m_writer.waitForDone();
}

void PlanRecovery::discard()
{
    m_timer.stop();
    m_writer.waitForDone();
    QFile::remove(m_path);
}

void PlanRecovery::writeSnapshot()
{
    const PlanData snapshot = m_plan->data();
    const QString path = m_path;
    const QString source = m_sourcePath;
    m_writer.start([snapshot, path, source] {
        QDir().mkpath(QFileInfo(path).absolutePath());
        // A failed write leaves the previous snapshot; there is no one to
        // tell on this thread, and the next change tries again.
        aptui::SafeFileWriter::writeFile(path, PlanFile::toJson(snapshot, source), nullptr);
    });
}
