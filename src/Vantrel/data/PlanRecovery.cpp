#include "PlanRecovery.h"

#include "Plan.h"
#include <Fenwork/SafeFileWriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

// Larger than any plan this program writes (10000 groups take 3.5 MB): a
// file this size is not read into memory at start.
constexpr qint64 kMaxRecoveryBytes = 256 * 1024 * 1024;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Present as anything at all, a dangling link included.
bool occupied(const QFileInfo& info)
{
    return info.exists() || info.isSymLink();
}

// rename(2) moves a link itself, never what it names, and moves folders
// too; QFile::rename refuses a dangling link and may fall back to copying.
bool moveEntry(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A path read from a file may say anything. Shown in a question it must
// read as what it is: no line breaks, no marks that turn text around.
bool showablePath(const QString& path)
{
    constexpr int kLongestPath = 4096;
    if (path.isEmpty() || path.size() > kLongestPath || !QFileInfo(path).isAbsolute())
        return false;
    return std::none_of(path.cbegin(), path.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

// Beside the file, under a name nothing has yet.
QString moveAside(const QString& path)
{
    const QFileInfo info(path);
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString stem = info.absoluteDir().filePath(QStringLiteral("recovery-unreadable-") + time);
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const QString target = stem + (attempt == 1 ? QString() : QStringLiteral("-%1").arg(attempt))
            + QStringLiteral(".vantrel");
        if (occupied(QFileInfo(target)))
            continue;
        return moveEntry(path, target) ? target : QString();
    }
    return QString();
}

// On the writer's thread: the reason the copy did not reach the disk, or
// nothing.
QString writeCopy(const QString& path, const QString& outdatedPath, const QByteArray& json, bool pathUntouchable,
                  bool outdatedUntouchable)
{
    if (pathUntouchable)
        return QCoreApplication::translate("PlanRecovery", "Cannot write %1: an unreadable recovery file is kept there")
            .arg(native(path));
    QDir().mkpath(QFileInfo(path).absolutePath());
    // QSaveFile writes to whatever a link names; the link itself goes.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        return QCoreApplication::translate("PlanRecovery", "Cannot write %1: it is a link and cannot be removed")
            .arg(native(path));
    QString error;
    if (aptui::SafeFileWriter::writeFile(path, json, &error)) {
        if (!outdatedUntouchable)
            QFile::remove(outdatedPath);
        return QString();
    }
    if (error.isEmpty())
        error = QCoreApplication::translate("PlanRecovery", "Cannot write %1").arg(native(path));
    // The last copy that did reach the disk stays, under a name that tells
    // the next start it is older than the work. A rename needs no space.
    const QFileInfo current(path);
    if (!outdatedUntouchable && current.isFile() && !current.isSymLink()) {
        const QFileInfo outdated(outdatedPath);
        if (!occupied(outdated) || (outdated.isFile() && !outdated.isSymLink()))
            moveEntry(path, outdatedPath);
    }
    return error;
}

} // namespace

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

QString PlanRecovery::outdatedPath() const
{
    return QFileInfo(m_path).absoluteDir().filePath(QStringLiteral("recovery-outdated.vantrel"));
}

PlanRecovery::Leftover PlanRecovery::check()
{
    Leftover leftover;
    // The current copy first; an outdated one only stands in for it.
    for (const QString& candidate : { m_path, outdatedPath() }) {
        const QFileInfo info(candidate);
        if (!occupied(info))
            continue;
        QString problem;
        if (info.isSymLink()) {
            problem = tr("It is a link to %1, which was not read.").arg(native(info.symLinkTarget()));
        } else if (!info.isFile()) {
            problem = tr("It is not a file.");
        } else if (leftover.found) {
            continue; // an older copy beside a newer one: discard() takes it
        } else if (info.size() > kMaxRecoveryBytes) {
            problem = tr("It is too large for a plan (%1 bytes).").arg(info.size());
        } else {
            const PlanFile::ReadResult read = PlanFile::read(candidate);
            if (read.ok) {
                leftover.found = true;
                leftover.plan = read.plan;
                leftover.recoveredFrom = read.recoveredFrom;
                if (showablePath(read.recoveredFrom)) {
                    leftover.named = QFileInfo(read.recoveredFrom).absoluteFilePath();
                    const QFileInfo named(leftover.named);
                    if (named.isFile() && named.size() <= kMaxRecoveryBytes && PlanFile::read(leftover.named).ok)
                        leftover.saveTo = leftover.named;
                }
                leftover.savedAt = info.lastModified();
                leftover.outdated = candidate != m_path;
                continue;
            }
            problem = read.error;
        }
        const QString keptAs = moveAside(candidate);
        if (keptAs.isEmpty())
            m_untouchable.insert(candidate);
        leftover.setAside.append({ candidate, keptAs, problem });
    }
    return leftover;
}

void PlanRecovery::schedule()
{
    // Without a path (a plan made for a test or a tool) nothing is kept.
    if (m_path.isEmpty())
        return;
    if (!m_timer.isActive())
        m_timer.start();
}

void PlanRecovery::flush()
{
    m_timer.stop();
    writeSnapshot();
    m_writer.waitForDone();
    // The outcome was queued to this thread; it is known before returning.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void PlanRecovery::discard()
{
    m_timer.stop();
    m_writer.waitForDone();
    // The work is safe: a copy that failed just before is no news worth a
    // notice, least of all while the window closes.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    for (const QString& path : { m_path, outdatedPath() }) {
        if (!m_untouchable.contains(path))
            QFile::remove(path);
    }
}

void PlanRecovery::writeSnapshot()
{
    const PlanData snapshot = m_plan->data();
    const QString path = m_path;
    const QString outdated = outdatedPath();
    const QString source = m_sourcePath;
    const bool pathUntouchable = m_untouchable.contains(path);
    const bool outdatedUntouchable = m_untouchable.contains(outdated);
    m_writer.start([this, snapshot, path, outdated, source, pathUntouchable, outdatedUntouchable] {
        const QString error
            = writeCopy(path, outdated, PlanFile::toJson(snapshot, source), pathUntouchable, outdatedUntouchable);
        // Posted to this object: dropped if it is gone by then.
        QMetaObject::invokeMethod(this, [this, error] { onWritten(error); }, Qt::QueuedConnection);
    });
}

void PlanRecovery::onWritten(const QString& error)
{
    const bool wasFailing = isFailing();
    m_failure = error;
    if (isFailing() != wasFailing)
        Q_EMIT failureChanged(m_failure);
}
