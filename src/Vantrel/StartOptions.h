#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line: "--help", "--version" and the plan file to
// open. The two questions are answered on standard output before anything
// graphical starts, so they work where no display is and while another
// instance runs.
class StartOptions
{
public:
    // The exit code when the arguments asked a question that is now
    // answered; nothing when the program should start.
    static std::optional<int> answer(int& argc, char** argv);

    // What the program prints for the arguments (without the program name);
    // empty when it should start instead.
    static QString answerText(const QStringList& arguments);

    // The plans named in the arguments (without the program name, after the
    // application object took its own options), as absolute paths: a
    // relative one is read against the folder the program was started in,
    // which a running instance that is handed the path does not know.
    static QStringList planPaths(const QStringList& arguments, const QString& workingFolder);
};
