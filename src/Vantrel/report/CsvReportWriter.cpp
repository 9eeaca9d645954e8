#include "CsvReportWriter.h"

#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <Fenwork/SafeFileWriter.h>

#include <QStringList>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");
// Spreadsheets on every system take CRLF; RFC 4180 asks for it too.
const QString kLineEnd = QStringLiteral("\r\n");

void appendRow(QString& out, const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& text : fields)
        quoted << CsvReportWriter::field(text);
    out += quoted.join(QLatin1Char(','));
    out += kLineEnd;
}

} // namespace

QString CsvReportWriter::field(const QString& text)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    for (const QChar c : text) {
        if (needsQuotes.contains(c)) {
            QString escaped = text;
            escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
            return QLatin1Char('"') + escaped + QLatin1Char('"');
        }
    }
    return text;
}

QByteArray CsvReportWriter::toCsv(const PlanReport& report, const ProgressStep& progress)
{
    const qint64 groupCount = report.groups().size();
    qint64 done = 0;
    if (!mayContinue(progress, done, groupCount))
        return QByteArray();
    const bool withStorage = report.storage().has_value();
    QString out;
    appendRow(out, {ReportTexts::title(report)});
    appendRow(out, {ReportTexts::dateLine(report)});
    if (!report.notes().isEmpty())
        appendRow(out, {ReportTexts::notesHeading(), report.notes()});
    out += kLineEnd;

    appendRow(out, ReportTexts::groupColumns(withStorage));
    for (const PlanReport::Group& group : report.groups()) {
        QStringList row{QString::number(group.number), group.name, group.deviceType,
                        QString::number(group.channels), QString::number(group.streams), group.resolution,
                        ReportTexts::frameRateOrScene(group), group.encoding, ReportTexts::rate(group.rateKbps),
                        ReportTexts::kbps(group.bandwidthKbps), ReportTexts::percent(group.share)};
        if (withStorage)
            row << ReportTexts::tb(group.storageBytes.value_or(0));
        appendRow(out, row);
        if (!mayContinue(progress, ++done, groupCount))
            return QByteArray();
    }
    out += kLineEnd;

    const PlanTotals& totals = report.totals();
    const BandwidthTotal& bandwidth = totals.bandwidth();
    appendRow(out, {ReportTexts::totalsHeading()});
    appendRow(out, {ReportTexts::groupCountLabel(), QString::number(report.groups().size())});
    appendRow(out, {ReportTexts::channelsLabel(), QString::number(totals.channels())});
    appendRow(out, {ReportTexts::ipcLabel(), QString::number(totals.ipcChannels())});
    appendRow(out, {ReportTexts::dvrLabel(), QString::number(totals.dvrChannels())});
    appendRow(out, {ReportTexts::totalBandwidthLabel(), bandwidth.text(), ReportTexts::unitText(bandwidth.unit())});
    appendRow(out, {ReportTexts::totalKbpsLabel(), QString::number(bandwidth.total(), 'f', 0)});
    if (report.uplinkCheck().hasUplink())
        appendRow(out, {ReportTexts::uplinkLabel(), report.uplinkCheck().message()});

    if (const auto& storage = report.storage()) {
        out += kLineEnd;
        appendRow(out, {ReportTexts::storageHeading()});
        appendRow(out, {ReportTexts::storedLabel(), storage->tbText()});
        appendRow(out, {ReportTexts::dataDisksLabel(), QString::number(storage->dataDisks())});
        appendRow(out, {ReportTexts::disksLabel(), QString::number(storage->disks())});
        appendRow(out, {ReportTexts::raidLabel(), ReportTexts::raidText(storage->settings().raid)});
        appendRow(out, {ReportTexts::diskSizeLabel(), ReportTexts::diskSize(storage->settings().diskTB)});
        appendRow(out, {ReportTexts::hotSparesLabel(), QString::number(storage->settings().hotSpares)});
    }
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
