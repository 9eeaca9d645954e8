// scene_import_helper <program folder> <table.csv> <step>
// Imports the table into the program folder and, once the switch reaches the
// given step (SceneSetInstaller::Step as a number), prints "paused" and
// waits: killed there, or told to go on by a line on its input.

#include <data/SceneSetInstaller.h>
#include <data/SceneTableImporter.h>

#include <Fenwork/TargetPath.h>

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    aptui::SetTargetPath(args.at(1));
    const int stop = args.at(3).toInt();
    SceneSetInstaller::setStepHook([stop](SceneSetInstaller::Step step) {
        if (int(step) != stop)
            return;
        std::printf("paused\n");
        std::fflush(stdout);
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            for (;;)
                QThread::sleep(60);
    });
    return SceneTableImporter::importFrom(args.at(2)).ok() ? 0 : 1;
}
