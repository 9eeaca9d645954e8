#include "CommandLine.h"

#include <Fenwork/TargetPath.h>
#include <data/BandwidthTotal.h>
#include <data/ShownRate.h>
#include <data/DeviceConfigStore.h>
#include <data/DeviceKind.h>
#include <data/EncodingCalculator.h>
#include <data/PlanFile.h>
#include <data/PlanNameCheck.h>
#include <data/PlanTotals.h>
#include <data/ProgramVersion.h>
#include <data/SceneSetLocation.h>
#include <data/SceneTableImporter.h>
#include <data/SceneTableValidator.h>
#include <data/SiteCheck.h>
#include <data/StandardSwitch.h>
#include <data/StorageCalculator.h>
#include <report/ReportWriter.h>

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLocale>
#include <QTextStream>

#include <cmath>
#include <optional>

namespace {

QString jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{ text }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// One answer as the Encoding tab shows it: the whole kbps of one stream.
QString fitJson(const std::optional<EncodingFit>& fit)
{
    if (!fit)
        return QStringLiteral("null");
    return QStringLiteral("{\"resolution\":%1,\"frameRate\":%2,\"kbps\":%3}")
        .arg(jsonString(fit->resolution), jsonString(fit->frameRateText),
             QString::number(static_cast<double>(ShownRate::wholeKbps(fit->kbps)), 'f', 1));
}

// "--name value" pairs; false when an option has no value or is unknown.
bool readOptions(const QStringList& arguments, const QStringList& known, QHash<QString, QString>& values,
                 QString& error)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (!known.contains(name)) {
            error = QStringLiteral("unknown option %1").arg(name);
            return false;
        }
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        values.insert(name, arguments.at(++i));
    }
    return true;
}

} // namespace

CommandLine::CommandLine(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "usage: vantrel-cli [--data DIR] COMMAND ...\n"
        "  totals PLAN                 channel counts and total bandwidth of a plan\n"
        "  fit --mbps X --streams N --device IPC|DVR --standard PAL|NTSC\n"
        "      --stream main|sub --encoding NAME\n"
        "                              resolution and frame rate that fit a link\n"
        "  storage PLAN [--disks N]    recording storage and disks of a plan; with N disks\n"
        "                              also the days each group keeps on them\n"
        "  check PLAN [--disks N]      the site's problems, what each switch and recorder\n"
        "                              carries and the detail each group sees;\n"
        "                              exit 1 when a problem is over\n"
        "  convert PLAN --standard PAL|NTSC -o OUT.vantrel\n"
        "                              the plan in the other video standard, as the\n"
        "                              window's PAL/NTSC switch makes it\n"
        "  check-scenes FILE.csv       what a scene table import would take\n"
        "  import-scenes FILE.csv      imports the scene table and its pictures;\n"
        "                              a table with a refused row is not imported\n"
        "  restore-scenes              brings back the scenes the program shipped with\n"
        "  report PLAN --pdf OUT.pdf | --xlsx OUT.xlsx | --csv OUT.csv\n"
        "                              writes the plan's report\n"
        "  --help                      this text\n"
        "  --version                   the program's version\n"
        "Prints JSON. Exit codes: 0 done, 1 input refused, 2 wrong usage.\n"
        "--data DIR reads the data tables from DIR instead of the program's folder.\n");
}

int CommandLine::run(QStringList arguments)
{
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--data")) {
        const QString folder = arguments.at(1);
        if (!QFileInfo(folder).isDir())
            return wrongUsage(QStringLiteral("--data %1 is not a folder").arg(folder));
        aptui::SetTargetPath(QDir(folder).absolutePath());
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty())
        return wrongUsage(QStringLiteral("no command"));
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        m_out << usage();
        return Done;
    }
    // The same line as the window program's, so either tells which build
    // a script or a report came from.
    if (command == QLatin1String("--version")) {
        m_out << "Vantrel " << ProgramVersion::text() << "\n";
        return Done;
    }
    // The commands that read the data tables say what those refused, so
    // nothing is silent; totals and storage come from the plan alone.
    if (command == QLatin1String("fit") || command == QLatin1String("check-scenes")) {
        const DeviceConfigStore tables;
        for (const DataProblem& problem : tables.loadProblems())
            m_err << "vantrel-cli: " << problem.text() << "\n";
    }
    if (command == QLatin1String("totals"))
        return totals(arguments);
    if (command == QLatin1String("fit"))
        return fit(arguments);
    if (command == QLatin1String("storage"))
        return storage(arguments);
    if (command == QLatin1String("check"))
        return check(arguments);
    if (command == QLatin1String("convert"))
        return convert(arguments);
    if (command == QLatin1String("check-scenes"))
        return checkScenes(arguments);
    if (command == QLatin1String("report"))
        return report(arguments);
    if (command == QLatin1String("import-scenes") || command == QLatin1String("restore-scenes"))
        return importScenes(command, arguments);
    return wrongUsage(QStringLiteral("unknown command %1").arg(command));
}

int CommandLine::wrongUsage(const QString& why)
{
    m_err << "vantrel-cli: " << why << "\n" << usage();
    return WrongUsage;
}

bool CommandLine::readPlan(const QStringList& arguments, PlanData& plan)
{
    const PlanFile::ReadResult result = PlanFile::read(arguments.first());
    if (!result.ok) {
        m_err << "vantrel-cli: " << result.error << "\n";
        return false;
    }
    // The same rule as the window's: a plan the editor could not show is
    // refused here too, so a script never passes what the window turns away.
    const QString unknown =
        PlanNameCheck::firstUnknown(result.plan, DeviceConfigStore(), QFileInfo(arguments.first()).fileName());
    if (!unknown.isEmpty()) {
        m_err << "vantrel-cli: " << unknown << "\n";
        return false;
    }
    plan = result.plan;
    return true;
}

int CommandLine::totals(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return wrongUsage(QStringLiteral("totals takes one plan file"));
    PlanData plan;
    if (!readPlan(arguments, plan))
        return Refused;
    const PlanTotals totals(plan.groups);
    const BandwidthTotal& total = totals.bandwidth();
    m_out << QStringLiteral("{\"channels\":%1,\"ipc\":%2,\"dvr\":%3,\"totalKbps\":%4,\"text\":%5,\"unit\":%6}\n")
                 .arg(totals.channels())
                 .arg(totals.ipcChannels())
                 .arg(totals.dvrChannels())
                 .arg(QString::number(total.total(), 'f', 0), jsonString(total.text()),
                      jsonString(BandwidthTotal::unitName(total.unit())));
    return Done;
}

int CommandLine::fit(const QStringList& arguments)
{
    const QStringList known = { QStringLiteral("--mbps"), QStringLiteral("--streams"), QStringLiteral("--device"),
                                QStringLiteral("--standard"), QStringLiteral("--stream"),
                                QStringLiteral("--encoding") };
    QHash<QString, QString> values;
    QString error;
    if (!readOptions(arguments, known, values, error))
        return wrongUsage(error);
    for (const QString& name : known) {
        if (!values.contains(name))
            return wrongUsage(QStringLiteral("fit needs %1").arg(name));
    }

    bool ok = false;
    const double mbps = values.value(QStringLiteral("--mbps")).toDouble(&ok);
    if (!ok || !std::isfinite(mbps) || mbps <= 0) {
        m_err << "vantrel-cli: --mbps " << values.value(QStringLiteral("--mbps")) << " is not a positive number\n";
        return Refused;
    }
    const int streams = values.value(QStringLiteral("--streams")).toInt(&ok);
    if (!ok || streams < 1) {
        m_err << "vantrel-cli: --streams " << values.value(QStringLiteral("--streams"))
              << " is not a whole number of at least 1\n";
        return Refused;
    }
    const std::optional<DeviceKind> kind = deviceKindFromText(values.value(QStringLiteral("--device")));
    const QString standard = values.value(QStringLiteral("--standard"));
    const QString stream = values.value(QStringLiteral("--stream"));
    if (!kind)
        return wrongUsage(QStringLiteral("--device must be IPC or DVR"));
    if (standard != QLatin1String("PAL") && standard != QLatin1String("NTSC"))
        return wrongUsage(QStringLiteral("--standard must be PAL or NTSC"));
    if (stream != QLatin1String("main") && stream != QLatin1String("sub"))
        return wrongUsage(QStringLiteral("--stream must be main or sub"));

    EncodingCalculator calculator;
    const QString encoding = values.value(QStringLiteral("--encoding"));
    if (!calculator.store().getEncodeTypes().contains(encoding)) {
        m_err << "vantrel-cli: --encoding " << encoding << " is not one of "
              << calculator.store().getEncodeTypes().join(QStringLiteral(", ")) << "\n";
        return Refused;
    }
    CodeParameter parameter;
    parameter.bandwidth = mbps * BandwidthTotal::kKbpsPerMbps;
    parameter.streamCount = streams;
    parameter.deviceType = encodingCode(*kind);
    parameter.videoStandard = standard == QLatin1String("PAL") ? PAL : NTSC;
    parameter.streamType = stream == QLatin1String("main") ? 0 : 1;
    parameter.encodingType = encoding;
    calculator.setEncodeType(encoding);
    const std::optional<EncodingFit> resolutionFirst = calculator.resolutionFirst(parameter);
    const std::optional<EncodingFit> frameRateFirst = calculator.frameRateFirst(parameter);
    m_out << QStringLiteral("{\"resolutionFirst\":%1,\"frameRateFirst\":%2}\n")
                 .arg(fitJson(resolutionFirst), fitJson(frameRateFirst));
    return Done;
}

bool CommandLine::readDisks(const QStringList& arguments, const QString& command, std::optional<int>& disks,
                            int& exitCode)
{
    if (arguments.size() != 1 && !(arguments.size() == 3 && arguments.at(1) == QLatin1String("--disks"))) {
        exitCode = wrongUsage(QStringLiteral("%1 takes one plan file and perhaps --disks N").arg(command));
        return false;
    }
    if (arguments.size() == 3) {
        bool ok = false;
        const int count = arguments.at(2).toInt(&ok);
        if (!ok || count < 0 || count > StorageSettings::kMaxDisksAvailable) {
            exitCode = wrongUsage(QStringLiteral("--disks must be a whole number from 0 to %1")
                                      .arg(StorageSettings::kMaxDisksAvailable));
            return false;
        }
        disks = count;
    }
    return true;
}

int CommandLine::storage(const QStringList& arguments)
{
    std::optional<int> disks;
    int exitCode = Done;
    if (!readDisks(arguments, QStringLiteral("storage"), disks, exitCode))
        return exitCode;
    PlanData plan;
    if (!readPlan(arguments.mid(0, 1), plan))
        return Refused;
    QByteArray json = StorageCalculator::size(plan.groups, plan.storage).toJson();
    if (disks) {
        // The same figures as check's, from the same function.
        const DiskDays days = StorageCalculator::daysOnDisks(plan.groups, plan.storage, *disks);
        json.chop(1);
        json += ",\"days\":" + SiteCheck::daysJson(days) + ",\"factor\":";
        json += days.factor ? QByteArray::number(*days.factor, 'g', QLocale::FloatingPointShortest) : QByteArray("null");
        json += '}';
    }
    m_out << QString::fromUtf8(json) << "\n";
    return Done;
}

int CommandLine::check(const QStringList& arguments)
{
    std::optional<int> disks;
    int exitCode = Done;
    if (!readDisks(arguments, QStringLiteral("check"), disks, exitCode))
        return exitCode;
    PlanData plan;
    if (!readPlan(arguments.mid(0, 1), plan))
        return Refused;
    const SiteCheck check(plan, disks);
    m_out << QString::fromUtf8(check.toJson()) << "\n";
    // A design that breaks a rule fails a script.
    return check.hasOver() ? Refused : Done;
}

int CommandLine::convert(const QStringList& arguments)
{
    QHash<QString, QString> values;
    QString error;
    if (arguments.isEmpty() || !readOptions(arguments.mid(1), { QStringLiteral("--standard"), QStringLiteral("-o") },
                                            values, error))
        return wrongUsage(error.isEmpty() ? QStringLiteral("convert takes a plan file") : error);
    const QString standard = values.value(QStringLiteral("--standard"));
    if (standard != QLatin1String("PAL") && standard != QLatin1String("NTSC"))
        return wrongUsage(QStringLiteral("--standard must be PAL or NTSC"));
    const QString target = values.value(QStringLiteral("-o"));
    if (target.isEmpty())
        return wrongUsage(QStringLiteral("convert needs -o OUT.vantrel"));
    PlanData plan;
    if (!readPlan(arguments.mid(0, 1), plan))
        return Refused;
    const VideoStandard wanted = standard == QLatin1String("PAL") ? PAL : NTSC;
    EncodingCalculator calculator;
    const QVector<StandardSwitch::RowChange> changed = StandardSwitch::changedGroups(plan.groups, wanted, calculator);
    for (const StandardSwitch::RowChange& change : changed)
        plan.groups[change.first] = change.second;
    plan.videoStandard = wanted;
    if (!PlanFile::write(target, plan, &error)) {
        m_err << "vantrel-cli: " << error << "\n";
        return Refused;
    }
    m_out << QStringLiteral("{\"written\":%1,\"converted\":%2}\n").arg(jsonString(target)).arg(changed.size());
    return Done;
}

int CommandLine::checkScenes(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return wrongUsage(QStringLiteral("check-scenes takes one CSV file"));
    const SceneTableCheck check = SceneTableValidator::check(arguments.first());
    m_out << QString::fromUtf8(check.toJson()) << "\n";
    return check.problems.isEmpty() ? Done : Refused;
}

int CommandLine::importScenes(const QString& command, const QStringList& arguments)
{
    const bool restore = command == QLatin1String("restore-scenes");
    if (arguments.size() != (restore ? 0 : 1))
        return wrongUsage(restore ? QStringLiteral("restore-scenes takes no argument")
                                  : QStringLiteral("import-scenes takes one CSV file"));
    SceneTableImporter::Result result;
    if (restore) {
        result = SceneTableImporter::restoreShipped();
    } else {
        // A script gets no question to answer, so a table with a bad row is
        // refused whole rather than imported without it: the problems are
        // printed as check-scenes prints them, and the scenes stay as they are.
        const SceneTableCheck check = SceneTableImporter::check(arguments.first());
        if (!check.problems.isEmpty()) {
            m_out << QString::fromUtf8(check.toJson()) << "\n";
            m_err << "vantrel-cli: " << QDir::toNativeSeparators(arguments.first())
                  << " was not imported: " << check.problemSummary() << "\n";
            return Refused;
        }
        result = SceneTableImporter::install(check);
    }
    if (!result.ok()) {
        m_err << "vantrel-cli: " << result.error << "\n";
        return Refused;
    }
    // Where the set now is: an installed program keeps it in the user's
    // data folder.
    m_out << QStringLiteral("{\"folder\":%1,\"picturesCopied\":%2}\n")
                 .arg(jsonString(QDir::toNativeSeparators(SceneSetLocation::liveFolder())))
                 .arg(result.picturesCopied);
    return Done;
}

bool CommandLine::needsGui(const QStringList& arguments)
{
    return arguments.contains(QLatin1String("report")) && arguments.contains(QLatin1String("--pdf"));
}

int CommandLine::report(const QStringList& arguments)
{
    if (arguments.size() != 3)
        return wrongUsage(QStringLiteral("report takes a plan file and one of --pdf, --xlsx or --csv with a file"));
    const QString format = arguments.at(1);
    const QString target = arguments.at(2);
    using Writer = bool (*)(const PlanData&, const QString&, QString*, const QDate&);
    Writer writer = nullptr;
    if (format == QLatin1String("--pdf"))
        writer = &ReportWriter::writePdf;
    else if (format == QLatin1String("--xlsx"))
        writer = &ReportWriter::writeXlsx;
    else if (format == QLatin1String("--csv"))
        writer = &ReportWriter::writeCsv;
    else
        return wrongUsage(QStringLiteral("unknown report format %1").arg(format));
    PlanData plan;
    if (!readPlan(arguments.mid(0, 1), plan))
        return Refused;
    QString error;
    if (!writer(plan, target, &error, QDate::currentDate())) {
        m_err << "vantrel-cli: " << error << "\n";
        return Refused;
    }
    m_out << QStringLiteral("{\"written\":%1}\n").arg(jsonString(target));
    return Done;
}
