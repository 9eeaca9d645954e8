#include "CsvReportWriter.h"

#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <Fenwork/SafeFileWriter.h>

#include <QStringList>
#include <QVector>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");
// Spreadsheets on every system take CRLF; RFC 4180 asks for it too.
const QString kLineEnd = QStringLiteral("\r\n");

// A cell of a row: a text from the plan or the program's words, or a
// figure the report worked out.
struct Cell
{
    QString value;
    bool figure = false;
};

Cell text(const QString& value)
{
    return {value, false};
}

Cell figure(const QString& value)
{
    return {value, true};
}

void appendRow(QString& out, const QVector<Cell>& cells)
{
    QStringList fields;
    fields.reserve(cells.size());
    for (const Cell& cell : cells)
        fields << (cell.figure ? CsvReportWriter::figureField(cell.value) : CsvReportWriter::textField(cell.value));
    out += fields.join(QLatin1Char(','));
    out += kLineEnd;
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Spreadsheets set to another list separator split at a semicolon or a tab,
// so a field holding one is quoted as well.
bool needsQuotes(const QString& text)
{
    static const QString special = QStringLiteral(",;\t\"\r\n");
    for (const QChar c : text) {
        if (special.contains(c))
            return true;
    }
    return false;
}

QVector<Cell> heading(const QStringList& columns)
{
    QVector<Cell> cells;
    for (const QString& column : columns)
        cells << text(column);
    return cells;
}

QString whole(qint64 value)
{
    return QString::number(value);
}

// The network and the problems, each a section of its own after the rest,
// so a file of a plan without them reads as it always did.
void appendChecks(QString& out, const PlanReport& report)
{
    if (!report.switches().isEmpty()) {
        out += kLineEnd;
        appendRow(out, {text(ReportTexts::switchesHeading())});
        appendRow(out, heading(ReportTexts::switchColumns()));
        for (const PlanReport::Switch& unit : report.switches()) {
            const SwitchFigures& f = unit.figures;
            appendRow(out, {text(unit.name), text(f.id), text(unit.parent), figure(whole(f.groupCount)),
                            figure(ReportTexts::mbps(f.loadKbps)),
                            figure(ReportTexts::rate(f.capacityKbps / BandwidthTotal::kKbpsPerMbps)),
                            figure(ReportTexts::utilisation(f.loadKbps, f.capacityKbps)), figure(whole(f.portsUsed)),
                            figure(whole(f.ports)), figure(ReportTexts::tenth(f.poeW)),
                            figure(ReportTexts::rate(f.poeBudgetW)), text(ReportTexts::stateText(f.state))});
        }
    }
    if (!report.recorders().isEmpty()) {
        out += kLineEnd;
        appendRow(out, {text(ReportTexts::recordersHeading())});
        appendRow(out, heading(ReportTexts::recorderColumns()));
        for (const PlanReport::Recorder& unit : report.recorders()) {
            const RecorderFigures& f = unit.figures;
            appendRow(out, {text(unit.name), text(f.id), text(unit.switchId), figure(whole(f.groupCount)),
                            figure(whole(f.channelsUsed)), figure(whole(f.channels)),
                            figure(ReportTexts::mbps(f.inputKbps)),
                            figure(ReportTexts::rate(f.capacityKbps / BandwidthTotal::kKbpsPerMbps)),
                            figure(ReportTexts::utilisation(f.inputKbps, f.capacityKbps)),
                            figure(f.disks ? whole(*f.disks) : QString()), figure(whole(f.bays)),
                            text(ReportTexts::stateText(f.state))});
        }
    }
    if (!report.hasChecks())
        return;
    out += kLineEnd;
    appendRow(out, {text(ReportTexts::problemsHeading())});
    if (report.problems().isEmpty()) {
        appendRow(out, {text(ReportTexts::noProblems())});
        return;
    }
    appendRow(out, heading(ReportTexts::problemColumns()));
    for (const PlanReport::Problem& problem : report.problems()) {
        const SiteProblem& p = problem.problem;
        appendRow(out, {text(ReportTexts::stateText(p.state)), text(ReportTexts::objectText(p.object)), text(p.id),
                        text(problem.name), text(ReportTexts::ruleText(p.rule)),
                        figure(ReportTexts::checkFigure(p.value)), figure(ReportTexts::checkFigure(p.limit)),
                        text(ReportTexts::problemUnit(p.unit)), text(p.text)});
    }
}

} // namespace

QString CsvReportWriter::textField(const QString& raw)
{
    // No spreadsheet keeps a NUL, and a file holding one reads as damaged:
    // it shows as the replacement character instead.
    QString text = raw;
    text.replace(QChar(0), QChar(QChar::ReplacementCharacter));
    static const QString formulaSigns = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaSigns.contains(text.front()))
        return quoted(QLatin1Char('\'') + text);
    return needsQuotes(text) ? quoted(text) : text;
}

QString CsvReportWriter::figureField(const QString& figure)
{
    return needsQuotes(figure) ? quoted(figure) : figure;
}

QByteArray CsvReportWriter::toCsv(const PlanReport& report, const ProgressStep& progress)
{
    const qint64 groupCount = report.groups().size();
    qint64 done = 0;
    if (!mayContinue(progress, done, groupCount))
        return QByteArray();
    const bool withStorage = report.storage().has_value();
    // A view without a figure still has its level required to read back.
    const bool withDetail = report.hasDetail() || report.hasView();
    QString out;
    appendRow(out, {text(ReportTexts::title(report))});
    appendRow(out, {text(ReportTexts::dateLine(report))});
    if (!report.notes().isEmpty())
        appendRow(out, {text(ReportTexts::notesHeading()), text(report.notes())});
    out += kLineEnd;

    appendRow(out, heading(ReportTexts::groupColumns(withStorage, withDetail)));
    for (const PlanReport::Group& group : report.groups()) {
        // The frame rate is the file's own text, so it is a text here.
        QVector<Cell> row{figure(QString::number(group.number)), text(group.name), text(group.deviceType),
                          figure(QString::number(group.channels)), figure(QString::number(group.streams)),
                          text(group.resolution), text(ReportTexts::frameRateOrScene(group)), text(group.encoding),
                          figure(ReportTexts::rate(group.rateKbps)), figure(ReportTexts::kbps(group.bandwidthKbps)),
                          figure(ReportTexts::percent(group.share))};
        if (withStorage)
            row << figure(ReportTexts::tb(group.storageBytes.value_or(0)));
        if (withDetail) {
            const auto& detail = group.detail;
            row << figure(detail ? QString::number(detail->pxPerM, 'f', 1) : QString())
                << text(detail ? ReportTexts::levelText(detail->level) : QString())
                << text(ReportTexts::levelText(group.required))
                << figure(detail && detail->farthestM ? QString::number(*detail->farthestM, 'f', 1) : QString());
        }
        const QStringList settings = ReportTexts::settingsValues(group);
        for (int index = 0; index < settings.size(); ++index)
            row << Cell{settings.at(index), ReportTexts::isSettingsFigure(index)};
        appendRow(out, row);
        if (!mayContinue(progress, ++done, groupCount))
            return QByteArray();
    }
    out += kLineEnd;

    const PlanTotals& totals = report.totals();
    const BandwidthTotal& bandwidth = totals.bandwidth();
    appendRow(out, {text(ReportTexts::totalsHeading())});
    appendRow(out, {text(ReportTexts::groupCountLabel()), figure(QString::number(report.groups().size()))});
    appendRow(out, {text(ReportTexts::channelsLabel()), figure(QString::number(totals.channels()))});
    appendRow(out, {text(ReportTexts::ipcLabel()), figure(QString::number(totals.ipcChannels()))});
    appendRow(out, {text(ReportTexts::dvrLabel()), figure(QString::number(totals.dvrChannels()))});
    appendRow(out, {text(ReportTexts::totalBandwidthLabel()), 
                    figure(bandwidth.text()), text(ReportTexts::unitText(bandwidth.unit()))});
    appendRow(out, {text(ReportTexts::totalKbpsLabel()), figure(QString::number(bandwidth.total(), 'f', 0))});
    if (report.uplinkCheck().hasUplink())
        appendRow(out, {text(ReportTexts::uplinkLabel()), text(report.uplinkCheck().message())});

    if (const auto& storage = report.storage()) {
        out += kLineEnd;
        appendRow(out, {text(ReportTexts::storageHeading())});
        appendRow(out, {text(ReportTexts::storedLabel()), figure(storage->tbText())});
        appendRow(out, {text(ReportTexts::dataDisksLabel()), figure(QString::number(storage->dataDisks()))});
        appendRow(out, {text(ReportTexts::disksLabel()), figure(QString::number(storage->disks()))});
        appendRow(out, {text(ReportTexts::raidLabel()), text(ReportTexts::raidText(storage->settings().raid))});
        appendRow(out, {text(ReportTexts::diskSizeLabel()), figure(ReportTexts::diskSize(storage->settings().diskTB))});
        appendRow(out, {text(ReportTexts::hotSparesLabel()), figure(QString::number(storage->settings().hotSpares))});
    }
    appendChecks(out, report);
    return kByteOrderMark + out.toUtf8();
}

bool CsvReportWriter::write(const PlanReport& report, const QString& path, QString* error,
                            const ProgressStep& progress)
{
    const QByteArray csv = toCsv(report, progress);
    if (csv.isEmpty()) {
        if (error)
            error->clear();
        return false;
    }
    return aptui::SafeFileWriter::writeFile(path, csv, error);
}
