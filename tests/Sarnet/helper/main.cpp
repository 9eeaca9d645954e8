// Starts like the program does, through the exported shell alone, and
// prints what happened, one fact a line:
//   dialog <object name>|<text>    for every modal dialog (answered with OK)
//   startApp <0|1>
// Usage: sarnet_instance_helper <application id> [<ms to keep running>]

#include <Fenwork/BaseDialog.h>
#include <Sarnet/ToolApplicationHull.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

namespace {
void report(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void answerDialogs()
{
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        const auto* base = qobject_cast<aptui::BaseDialog*>(dialog);
        report(QStringLiteral("dialog %1|%2").arg(dialog->objectName(), base ? base->defaultText() : QString()));
        dialog->done(QDialog::Accepted);
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const QString id = QString::fromLocal8Bit(argv[1]);
    const int keepMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;

    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    hull->initialize(argc, argv, QStringLiteral("setup.xml"), id);
    hull->setAppName(QStringLiteral("Helper App"));

    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, qApp, &answerDialogs);
    answering.start(20);

    const bool started = hull->startApp();
    report(QStringLiteral("startApp %1").arg(started ? 1 : 0));
    if (!started)
        return 0;
    QTimer::singleShot(keepMs, qApp, &QCoreApplication::quit);
    const int code = QApplication::exec();
    hull->distory();
    return code;
}
