#include "CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Only a PDF needs fonts and a paint engine; everything else starts as a
    // plain console program, also where no display is.
    // The window's names: an import made here is the one the window reads.
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    std::unique_ptr<QCoreApplication> application;
    if (CommandLine::needsGui(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLine commandLine(out, err);
    int code = commandLine.run(QCoreApplication::arguments().mid(1));
    errno = 0;
    out.flush();
    // A script that reads the JSON must not take an exit of 0 for figures
    // that never reached it (a full disk, a closed pipe).
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int reason = errno;
        err << "vantrel-cli: cannot write the output: "
            << (reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : QStringLiteral("write error")) << "\n";
        if (code == CommandLine::Done)
            code = CommandLine::Refused;
    }
    err.flush();
    return code;
}
