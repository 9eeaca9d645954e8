#pragma once

#include "PlanFile.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <optional>

class Plan;

// Keeps a copy of the plan being worked on in a recovery file, so a crash
// or a kill loses at most the last second of work. Changes are gathered for
// up to a second and then written on a worker thread: the plan's values are
// shared with the copy, so taking it costs the interface nothing.
class PlanRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 1000;

    PlanRecovery(const Plan* plan, QString path, QObject* parent = nullptr);
    ~PlanRecovery() override;

    // recovery.vantrel in the user's application data folder.
    static QString defaultPath();
    // What an earlier run left behind, if it can be read.
    static std::optional<PlanFile::ReadResult> pending(const QString& path);

    QString path() const { return m_path; }
    // The plan file the work belongs to, written into the recovery file.
    void setSourcePath(const QString& sourcePath) { m_sourcePath = sourcePath; }

    // A change to keep: written within a second.
    void schedule();
    // Writes now and waits until it is on disk.
    void flush();
    // The work is safe elsewhere (saved, or a clean exit): no recovery file.
    void discard();

private:
    void writeSnapshot();

    const Plan* m_plan;
    QString m_path;
    QString m_sourcePath;
    QTimer m_timer;
    // One thread, so snapshots reach the file in the order they were taken.
    QThreadPool m_writer;
};
