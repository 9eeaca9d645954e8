#include "CommandLine.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLine commandLine(out, err);
    const int code = commandLine.run(QCoreApplication::arguments().mid(1));
    out.flush();
    err.flush();
    return code;
}
