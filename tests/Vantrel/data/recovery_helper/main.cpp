// Edits a plan group by group, as a person would, with the recovery file
// following; prints the group count once the last change is on disk and
// then waits to be killed.
#include <data/Plan.h>
#include <data/PlanRecovery.h>

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    Plan plan;
    PlanRecovery recovery(&plan, arguments.at(1));
    recovery.setSourcePath(QStringLiteral("/plans/site.vantrel"));
    QObject::connect(&plan, &Plan::changed, &recovery, &PlanRecovery::schedule);
    const int groups = arguments.at(2).toInt();
    int added = 0;
    QTimer edits;
    edits.setInterval(5);
    QObject::connect(&edits, &QTimer::timeout, [&] {
        PlanGroup group;
        group.device.groupNumber = ++added;
        group.device.deviceType = QStringLiteral("IPC");
        group.device.channelName = QStringLiteral("Pole(%1)").arg(added);
        group.device.channelCount = 1;
        group.device.streamCount = 1;
        group.device.bitrate = 2048;
        plan.appendGroup(group);
        if (added < groups)
            return;
        edits.stop();
        // No flush: the last change reaches the file through the timer.
        QTimer::singleShot(PlanRecovery::kIntervalMs * 2, [groups] {
            std::printf("%d\n", groups);
            std::fflush(stdout);
        });
    });
    edits.start();
    return QCoreApplication::exec();
}
