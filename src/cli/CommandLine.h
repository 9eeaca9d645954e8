#pragma once

#include <optional>

#include <QStringList>

class QTextStream;
struct PlanData;

// vantrel-cli: the plan's figures as JSON on standard output, for scripts.
// Exit codes: 0 done, 1 input refused (the reason on standard error), 2
// wrong usage. The JSON shapes are a contract other tools rely on.
class CommandLine
{
public:
    enum ExitCode { Done = 0, Refused = 1, WrongUsage = 2 };

    CommandLine(QTextStream& out, QTextStream& err);

    // arguments without the program name.
    int run(QStringList arguments);

    static QString usage();
    // Whether a command draws (a PDF report) and so needs a GUI application.
    static bool needsGui(const QStringList& arguments);

private:
    int totals(const QStringList& arguments);
    int fit(const QStringList& arguments);
    int storage(const QStringList& arguments);
    int check(const QStringList& arguments);
    // The N of "--disks N" after the plan; false after a wrong usage.
    bool readDisks(const QStringList& arguments, const QString& command, std::optional<int>& disks, int& exitCode);
    int diff(const QStringList& arguments);
    int convert(const QStringList& arguments);
    int checkScenes(const QStringList& arguments);
    int report(const QStringList& arguments);
    int importGroups(QStringList arguments);
    int importScenes(const QString& command, const QStringList& arguments);
    int wrongUsage(const QString& why);
    bool readPlan(const QStringList& arguments, PlanData& plan);

    QTextStream& m_out;
    QTextStream& m_err;
};
