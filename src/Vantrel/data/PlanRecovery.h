#pragma once

#include "PlanFile.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

class Plan;

// Keeps a copy of the plan being worked on in a recovery file, so a crash
// or a kill loses at most the last second of work. Changes are gathered for
// up to a second and then written on a worker thread: the plan's values are
// shared with the copy, so taking it costs the interface nothing.
//
// The file is never trusted: a link at its place is neither read nor written
// through, a file that does not read as a plan is moved aside instead of
// being lost, and a copy that later changes failed to replace is kept under
// another name, so the next start can say it is older than the work lost.
class PlanRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 1000;

    // What an earlier run left behind, as the start finds it.
    struct Leftover
    {
        bool found = false;
        PlanData plan;
        // The plan file the work belonged to, as the file says it.
        QString recoveredFrom;
        // recoveredFrom when it is a path fit to show the user: absolute,
        // with no line breaks or other control characters.
        QString named;
        // named when it still holds a plan that reads: the only file Save
        // may write to without asking, once the user was shown it.
        QString saveTo;
        QDateTime savedAt;
        // Later changes could not be written over this copy.
        bool outdated = false;
        // Files that did not read as a plan, each with where it is now and
        // why it was not taken.
        struct SetAside
        {
            QString file;
            QString keptAs; // empty when it could not be moved and stays where it was
            QString problem;
        };
        QList<SetAside> setAside;
    };

    PlanRecovery(const Plan* plan, QString path, QObject* parent = nullptr);
    ~PlanRecovery() override;

    // recovery.vantrel in the user's application data folder.
    static QString defaultPath();
    // Where a copy goes once later changes failed to replace it.
    QString outdatedPath() const;

    // At start: finds what an earlier run left behind. Anything at the
    // recovery file's place that is not a plan (a link, a folder, broken
    // JSON) is renamed to recovery-unreadable-<time>.vantrel beside it,
    // never over another file; what cannot be moved stays untouched.
    Leftover check();

    QString path() const { return m_path; }
    // The plan file the work belongs to, written into the recovery file.
    void setSourcePath(const QString& sourcePath) { m_sourcePath = sourcePath; }

    // A change to keep: written within a second.
    void schedule();
    // Writes now and waits until it is on disk and its outcome is known.
    void flush();
    // The work is safe elsewhere (saved, or a clean exit): no recovery file.
    void discard();

    // The last write failed, and none has succeeded since.
    bool isFailing() const { return !m_failure.isEmpty(); }
    // Names the file and the system's reason while failing.
    QString failure() const { return m_failure; }

Q_SIGNALS:
    // Writing began to fail (with the reason), or works again (empty).
    void failureChanged(const QString& failure);

private:
    void writeSnapshot();
    void onWritten(const QString& error);

    const Plan* m_plan;
    QString m_path;
    QString m_sourcePath;
    QString m_failure;
    // Unreadable files that could not be moved aside: never removed or
    // written over by this run.
    QSet<QString> m_untouchable;
    QTimer m_timer;
    // One thread, so snapshots reach the file in the order they were taken.
    QThreadPool m_writer;
};
