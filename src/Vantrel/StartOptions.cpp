#include "StartOptions.h"

#include <data/ProgramVersion.h>

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

// The texts stay English: they are printed before setup.xml says which
// language the user reads.
QString StartOptions::answerText(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plans the network of a video-surveillance site: cameras and recorders,\n"
        "their bandwidth on each link and the storage their recordings need."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("plan"), QStringLiteral("The plan file (.vantrel) to open."),
                                 QStringLiteral("[plan]"));
    // Qt's own options (-platform, -style...) are the application object's
    // to take: an option unknown here is no error.
    parser.parse(QStringList{QStringLiteral("Vantrel")} + arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Named as the user types it, whichever executable or link ran.
        QString text = parser.helpText();
        const int name = text.indexOf(QLatin1Char(' ')) + 1;
        return text.replace(name, text.indexOf(QStringLiteral(" [options]")) - name, QStringLiteral("vantrel"));
    }
    if (parser.isSet(version))
        return QStringLiteral("Vantrel %1\n").arg(ProgramVersion::text());
    return QString();
}

QStringList StartOptions::planPaths(const QStringList& arguments, const QString& workingFolder)
{
    QStringList paths;
    for (const QString& argument : arguments) {
        if (!argument.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            paths << QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
    }
    return paths;
}

std::optional<int> StartOptions::answer(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString text = answerText(arguments);
    if (text.isEmpty())
        return std::nullopt;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
