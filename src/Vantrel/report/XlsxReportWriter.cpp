#include "XlsxReportWriter.h"

#include "ReportTexts.h"
#include "ScratchFile.h"
#include "XlsxLibrary.h"

#include <data/PlanReport.h>

#include <Fenwork/SafeFileWriter.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QRegularExpression>
#include <QDir>
#include <QStringList>


#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

bool g_failNextClose = false;

// The library's functions; write() loaded them before any helper runs.
const XlsxLibrary& xl()
{
    return *XlsxLibrary::shared(nullptr);
}

// Excel's own limits: 32 767 characters in a cell, 31 for a sheet name,
// and a chart stops growing at about 169 000 pixels.
constexpr qsizetype kCellCharacters = 32767;
constexpr int kChartRowPixels = 18;
constexpr double kChartDefaultHeight = 288.0;
constexpr double kChartMaxScale = 500.0;

enum Column { Number, Name, Type, Channels, Streams, Resolution, FrameRate, Encoding, Rate, Bandwidth, Share, Storage };

struct Formats
{
    lxw_format* heading = nullptr;
    lxw_format* title = nullptr;
    lxw_format* whole = nullptr;
    lxw_format* kbps = nullptr;
    lxw_format* percent = nullptr;
    lxw_format* tb = nullptr;
    lxw_format* tenth = nullptr;

    // A whole figure without decimals, any other with as many as it needs
    // up to three.
    lxw_format* figure(double value) const { return value == std::floor(value) ? whole : fraction; }
    lxw_format* fraction = nullptr;
};

Formats makeFormats(lxw_workbook* book)
{
    Formats formats;
    formats.heading = xl().workbook_add_format(book);
    xl().format_set_bold(formats.heading);
    xl().format_set_bg_color(formats.heading, 0xE4E8FC);
    xl().format_set_bottom(formats.heading, LXW_BORDER_THIN);
    formats.title = xl().workbook_add_format(book);
    xl().format_set_bold(formats.title);
    xl().format_set_font_size(formats.title, 14);
    formats.whole = xl().workbook_add_format(book);
    xl().format_set_num_format(formats.whole, "#,##0");
    formats.kbps = xl().workbook_add_format(book);
    xl().format_set_num_format(formats.kbps, "#,##0.0");
    formats.percent = xl().workbook_add_format(book);
    xl().format_set_num_format(formats.percent, "0.0%");
    formats.tb = xl().workbook_add_format(book);
    xl().format_set_num_format(formats.tb, "#,##0.00");
    formats.tenth = xl().workbook_add_format(book);
    xl().format_set_num_format(formats.tenth, "#,##0.0");
    formats.fraction = xl().workbook_add_format(book);
    xl().format_set_num_format(formats.fraction, "#,##0.0##");
    return formats;
}

// Collects the first error of the many calls that build a workbook, so the
// code reads as a list of cells and still never loses a failure.
class Checked
{
public:
    void operator()(lxw_error result)
    {
        if (result != LXW_NO_ERROR && m_first == LXW_NO_ERROR)
            m_first = result;
    }
    lxw_error first() const { return m_first; }

private:
    lxw_error m_first = LXW_NO_ERROR;
};

QByteArray utf8(const QString& text)
{
    // A cell's text is handed on as a C string, which a NUL would end: it
    // shows as the replacement character, as in the CSV. Spreadsheet
    // programs read "_xHHHH_" as a character code (the library writes
    // control characters so); a name that holds such a text keeps it by
    // escaping its underscore.
    static const QRegularExpression code(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    if (!text.contains(QChar(0)) && !text.contains(QLatin1String("_x")))
        return text.toUtf8();
    QString shown = text;
    shown.replace(QChar(0), QChar(QChar::ReplacementCharacter));
    shown.replace(code, QStringLiteral("_x005F_\\1"));
    return shown.toUtf8();
}

// Where a cell's worth of text may end without parting a surrogate pair.
qsizetype cellEnd(const QString& text, qsizetype from, qsizetype length)
{
    qsizetype end = from + length;
    if (end < text.size() && text.at(end).isLowSurrogate())
        --end;
    return end;
}

// A text in one cell: one too long for a cell ends in an ellipsis, so the
// cut shows, and the workbook is still written.
QString fitted(const QString& text)
{
    if (text.size() <= kCellCharacters)
        return text;
    return text.left(cellEnd(text, 0, kCellCharacters - 1)) + QChar(0x2026);
}

// A long text in cells one below the other, whole: each piece ends at a
// line break where one is near, so the cells read as paragraphs.
QStringList cellPieces(const QString& text)
{
    QStringList pieces;
    qsizetype from = 0;
    while (text.size() - from > kCellCharacters) {
        qsizetype end = cellEnd(text, from, kCellCharacters);
        const qsizetype lineEnd = text.lastIndexOf(QLatin1Char('\n'), end - 1);
        if (lineEnd >= from + kCellCharacters / 2)
            end = lineEnd + 1;
        pieces << text.mid(from, end - from);
        from = end;
    }
    pieces << text.mid(from);
    return pieces;
}

// False when progress cancelled it. A row is a step of total.
bool writeGroupsSheet(lxw_worksheet* sheet, const PlanReport& report, const Formats& f, Checked& check,
                      const ProgressStep& progress, qint64 total)
{
    if (!mayContinue(progress, 0, total))
        return false;
    const bool withStorage = report.storage().has_value();
    // A view without a figure still has its level required to read back.
    const bool withDetail = report.hasDetail() || report.hasView();
    const QStringList columns = ReportTexts::groupColumns(withStorage, withDetail);
    // The detail's four columns follow the last figure, the settings them.
    const lxw_col_t detailColumn = withStorage ? Storage + 1 : Storage;
    const lxw_col_t settingsColumn = withDetail ? detailColumn + 4 : detailColumn;
    for (int column = 0; column < columns.size(); ++column)
        check(xl().worksheet_write_string(sheet, 0, lxw_col_t(column), utf8(columns.at(column)).constData(), f.heading));
    xl().worksheet_freeze_panes(sheet, 1, 0);
    check(xl().worksheet_set_column(sheet, Name, Name, 24, nullptr));
    check(xl().worksheet_set_column(sheet, Resolution, Resolution, 18, nullptr));
    check(xl().worksheet_set_column(sheet, FrameRate, FrameRate, 12, nullptr));
    check(xl().worksheet_set_column(sheet, Rate, Storage, 16, nullptr));

    lxw_row_t row = 1;
    for (const PlanReport::Group& group : report.groups()) {
        check(xl().worksheet_write_number(sheet, row, Number, group.number, f.whole));
        check(xl().worksheet_write_string(sheet, row, Name, utf8(fitted(group.name)).constData(), nullptr));
        check(xl().worksheet_write_string(sheet, row, Type, utf8(fitted(group.deviceType)).constData(), nullptr));
        check(xl().worksheet_write_number(sheet, row, Channels, group.channels, f.whole));
        check(xl().worksheet_write_number(sheet, row, Streams, group.streams, f.whole));
        check(xl().worksheet_write_string(sheet, row, Resolution, utf8(fitted(group.resolution)).constData(), nullptr));
        // A frame rate is a number where it is one, so it sorts and sums.
        bool isNumber = false;
        const double frameRate = group.frameRate.toDouble(&isNumber);
        if (isNumber)
            check(xl().worksheet_write_number(sheet, row, FrameRate, frameRate, f.figure(frameRate)));
        else
            check(xl().worksheet_write_string(sheet, row, FrameRate,
                                         utf8(fitted(ReportTexts::frameRateOrScene(group))).constData(), nullptr));
        check(xl().worksheet_write_string(sheet, row, Encoding, utf8(fitted(group.encoding)).constData(), nullptr));
        check(xl().worksheet_write_number(sheet, row, Rate, group.rateKbps, f.figure(group.rateKbps)));
        check(xl().worksheet_write_number(sheet, row, Bandwidth, group.bandwidthKbps, f.kbps));
        check(xl().worksheet_write_number(sheet, row, Share, group.share, f.percent));
        if (withStorage)
            check(xl().worksheet_write_number(sheet, row, Storage,
                                         double(group.storageBytes.value_or(0) / ReportStorage::kBytesPerTB), f.tb));
        if (withDetail && group.detail) {
            const DetailFigures& detail = *group.detail;
            check(xl().worksheet_write_number(sheet, row, detailColumn, detail.pxPerM, f.tenth));
            check(xl().worksheet_write_string(sheet, row, detailColumn + 1,
                                         utf8(ReportTexts::levelText(detail.level)).constData(), nullptr));
            if (detail.farthestM)
                check(xl().worksheet_write_number(sheet, row, detailColumn + 3, *detail.farthestM, f.tenth));
        }
        if (withDetail && group.required)
            check(xl().worksheet_write_string(sheet, row, detailColumn + 2,
                                         utf8(ReportTexts::levelText(group.required)).constData(), nullptr));
        const QStringList settings = ReportTexts::settingsValues(group);
        for (int index = 0; index < settings.size(); ++index) {
            const QString& value = settings.at(index);
            const lxw_col_t column = lxw_col_t(settingsColumn + index);
            if (value.isEmpty())
                continue;
            if (ReportTexts::isSettingsFigure(index)) {
                const double number = value.toDouble();
                check(xl().worksheet_write_number(sheet, row, column, number, f.figure(number)));
            } else {
                check(xl().worksheet_write_string(sheet, row, column, utf8(fitted(value)).constData(), nullptr));
            }
        }
        if (!mayContinue(progress, row, total))
            return false;
        ++row;
    }
    return true;
}

// The site's logo beside the title, scaled to a box of 180 x 60 pixels.
// A logo the library cannot read is left out; the workbook is still written.
void insertLogo(lxw_worksheet* sheet, const QByteArray& logo)
{
    const bool png = logo.startsWith("\x89PNG");
    const bool jpeg = logo.startsWith("\xFF\xD8\xFF");
    if (!png && !jpeg)
        return;
    QBuffer buffer;
    buffer.setData(logo);
    const QSize size = QImageReader(&buffer).size();
    if (size.isEmpty())
        return;
    const double scale = std::min({1.0, 180.0 / size.width(), 60.0 / size.height()});
    lxw_image_options options{};
    options.x_scale = scale;
    options.y_scale = scale;
    options.x_offset = 4;
    options.y_offset = 2;
    xl().worksheet_insert_image_buffer_opt(sheet, 0, 2, reinterpret_cast<const unsigned char*>(logo.constData()),
                                      size_t(logo.size()), &options);
}

void writeTotalsSheet(lxw_workbook* book, lxw_worksheet* sheet, const PlanReport& report, const Formats& f,
                      Checked& check)
{
    check(xl().worksheet_set_column(sheet, 0, 0, 26, nullptr));
    check(xl().worksheet_set_column(sheet, 1, 2, 14, nullptr));
    lxw_row_t row = 0;
    auto text = [&](lxw_col_t column, const QString& value, lxw_format* format = nullptr) {
        check(xl().worksheet_write_string(sheet, row, column, utf8(fitted(value)).constData(), format));
    };
    auto number = [&](const QString& label, double value, lxw_format* format) {
        text(0, label);
        check(xl().worksheet_write_number(sheet, row, 1, value, format));
        ++row;
    };

    text(0, ReportTexts::title(report), f.title);
    ++row;
    text(0, ReportTexts::dateLine(report));
    ++row;
    // The site's properties, each where it is set.
    const PlanReport::Properties& site = report.properties();
    for (const auto& [label, value] : {std::pair{ReportTexts::siteLabel(), report.siteName()},
                                        std::pair{ReportTexts::customerLabel(), site.customer},
                                        std::pair{ReportTexts::addressLabel(), site.address},
                                        std::pair{ReportTexts::designerLabel(), site.designer}}) {
        if (value.trimmed().isEmpty())
            continue;
        text(0, label);
        text(1, value);
        ++row;
    }
    if (!report.notes().isEmpty()) {
        text(0, ReportTexts::notesHeading());
        for (const QString& piece : cellPieces(report.notes())) {
            text(1, piece);
            ++row;
        }
    }
    ++row;

    const PlanTotals& totals = report.totals();
    const BandwidthTotal& bandwidth = totals.bandwidth();
    text(0, ReportTexts::totalsHeading(), f.heading);
    ++row;
    number(ReportTexts::groupCountLabel(), report.groups().size(), f.whole);
    number(ReportTexts::channelsLabel(), double(totals.channels()), f.whole);
    number(ReportTexts::ipcLabel(), double(totals.ipcChannels()), f.whole);
    number(ReportTexts::dvrLabel(), double(totals.dvrChannels()), f.whole);
    // The rounded figure of the bandwidth tab as a number, its unit beside it.
    number(ReportTexts::totalBandwidthLabel(), bandwidth.text().toDouble(), f.tenth);
    --row;
    text(2, ReportTexts::unitText(bandwidth.unit()));
    ++row;
    number(ReportTexts::totalKbpsLabel(), bandwidth.total(), f.whole);
    if (report.uplinkCheck().hasUplink()) {
        text(0, ReportTexts::uplinkLabel());
        text(1, report.uplinkCheck().message());
        ++row;
    }

    if (const auto& storage = report.storage()) {
        ++row;
        text(0, ReportTexts::storageHeading(), f.heading);
        ++row;
        number(ReportTexts::storedLabel(), storage->tbText().toDouble(), f.tenth);
        number(ReportTexts::dataDisksLabel(), double(storage->dataDisks()), f.whole);
        number(ReportTexts::disksLabel(), double(storage->disks()), f.whole);
        text(0, ReportTexts::raidLabel());
        text(1, ReportTexts::raidText(storage->settings().raid));
        ++row;
        number(ReportTexts::diskSizeLabel(), storage->settings().diskTB, f.figure(storage->settings().diskTB));
        number(ReportTexts::hotSparesLabel(), storage->settings().hotSpares, f.whole);
    }

    insertLogo(sheet, report.properties().logo);

    const int groups = int(report.groups().size());
    if (groups == 0)
        return;
    lxw_chart* chart = xl().workbook_add_chart(book, LXW_CHART_BAR);
    const QByteArray groupsSheet = utf8(ReportTexts::groupsSheet());
    lxw_chart_series* series = xl().chart_add_series(chart, nullptr, nullptr);
    xl().chart_series_set_categories(series, groupsSheet.constData(), 1, Name, lxw_row_t(groups), Name);
    xl().chart_series_set_values(series, groupsSheet.constData(), 1, Bandwidth, lxw_row_t(groups), Bandwidth);
    xl().chart_series_set_name(series, utf8(ReportTexts::groupColumns(false).value(Bandwidth)).constData());
    xl().chart_title_set_name(chart, utf8(ReportTexts::chartHeading()).constData());
    xl().chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    // Groups top to bottom in plan order, as in the table.
    xl().chart_axis_set_reverse(chart->y_axis);
    xl().chart_axis_set_num_format(chart->x_axis, "#,##0");

    lxw_chart_options options{};
    options.x_scale = 1.5;
    options.y_scale = std::clamp(groups * kChartRowPixels / kChartDefaultHeight, 1.0, kChartMaxScale);
    check(xl().worksheet_insert_chart_opt(sheet, 0, 4, chart, &options));
}

// Writes the cells of one sheet row by row, each a text or a number with its
// format, so a table reads as the list of its columns.
class SheetRows
{
public:
    SheetRows(lxw_worksheet* sheet, Checked& check, lxw_row_t row = 0)
        : m_sheet(sheet)
        , m_check(check)
        , m_row(row)
    {
    }

    SheetRows& text(const QString& value, lxw_format* format = nullptr)
    {
        if (!value.isEmpty())
            m_check(xl().worksheet_write_string(m_sheet, m_row, m_column, utf8(fitted(value)).constData(), format));
        ++m_column;
        return *this;
    }
    SheetRows& number(double value, lxw_format* format)
    {
        if (std::isfinite(value))
            m_check(xl().worksheet_write_number(m_sheet, m_row, m_column, value, format));
        ++m_column;
        return *this;
    }
    SheetRows& skip()
    {
        ++m_column;
        return *this;
    }
    SheetRows& texts(const QStringList& values, lxw_format* format)
    {
        for (const QString& value : values)
            text(value, format);
        return *this;
    }
    void next(int rows = 1)
    {
        m_row += lxw_row_t(rows);
        m_column = 0;
    }
    lxw_row_t row() const { return m_row; }

private:
    lxw_worksheet* m_sheet;
    Checked& m_check;
    lxw_row_t m_row;
    lxw_col_t m_column = 0;
};

// Switches, then recorders, each under its title and heading row; every
// figure a number, its unit in the heading.
void writeNetworkSheet(lxw_worksheet* sheet, const PlanReport& report, const Formats& f, Checked& check)
{
    check(xl().worksheet_set_column(sheet, 0, 0, 24, nullptr));
    check(xl().worksheet_set_column(sheet, 1, 2, 12, nullptr));
    check(xl().worksheet_set_column(sheet, 3, 11, 14, nullptr));
    SheetRows rows(sheet, check);
    const double perMbps = BandwidthTotal::kKbpsPerMbps;
    if (!report.switches().isEmpty()) {
        rows.text(ReportTexts::switchesHeading(), f.title).next();
        rows.texts(ReportTexts::switchColumns(), f.heading).next();
        for (const PlanReport::Switch& unit : report.switches()) {
            const SwitchFigures& s = unit.figures;
            rows.text(unit.name).text(s.id).text(unit.parent).number(s.groupCount, f.whole)
                .number(s.loadKbps / perMbps, f.tenth).number(s.capacityKbps / perMbps, f.figure(s.capacityKbps / perMbps))
                .number(s.utilisation, f.percent).number(s.portsUsed, f.whole).number(s.ports, f.whole)
                .number(s.poeW, f.tenth).number(s.poeBudgetW, f.figure(s.poeBudgetW))
                .text(ReportTexts::stateText(s.state));
            rows.next();
        }
        rows.next();
    }
    if (!report.recorders().isEmpty()) {
        rows.text(ReportTexts::recordersHeading(), f.title).next();
        rows.texts(ReportTexts::recorderColumns(), f.heading).next();
        for (const PlanReport::Recorder& unit : report.recorders()) {
            const RecorderFigures& r = unit.figures;
            rows.text(unit.name).text(r.id).text(unit.switchId).number(r.groupCount, f.whole)
                .number(r.channelsUsed, f.whole).number(r.channels, f.whole)
                .number(r.inputKbps / perMbps, f.tenth).number(r.capacityKbps / perMbps, f.figure(r.capacityKbps / perMbps))
                .number(r.utilisation, f.percent);
            // No disk figure when the storage settings give no data disk.
            if (r.disks)
                rows.number(double(*r.disks), f.whole);
            else
                rows.skip();
            rows.number(r.bays, f.whole).text(ReportTexts::stateText(r.state));
            rows.next();
        }
    }
}

// One problem a row under a frozen heading, or the line that says there is
// none.
void writeProblemsSheet(lxw_worksheet* sheet, const PlanReport& report, const Formats& f, Checked& check)
{
    check(xl().worksheet_set_column(sheet, 0, 0, 12, nullptr));
    check(xl().worksheet_set_column(sheet, 1, 2, 10, nullptr));
    check(xl().worksheet_set_column(sheet, 3, 3, 24, nullptr));
    check(xl().worksheet_set_column(sheet, 4, 7, 10, nullptr));
    check(xl().worksheet_set_column(sheet, 8, 8, 80, nullptr));
    SheetRows rows(sheet, check);
    if (report.problems().isEmpty()) {
        rows.text(ReportTexts::noProblems());
        return;
    }
    rows.texts(ReportTexts::problemColumns(), f.heading).next();
    xl().worksheet_freeze_panes(sheet, 1, 0);
    for (const PlanReport::Problem& problem : report.problems()) {
        const SiteProblem& p = problem.problem;
        rows.text(ReportTexts::stateText(p.state)).text(ReportTexts::objectText(p.object)).text(p.id)
            .text(problem.name).text(ReportTexts::ruleText(p.rule)).number(p.value, f.figure(p.value))
            .number(p.limit, f.figure(p.limit)).text(ReportTexts::problemUnit(p.unit)).text(p.text);
        rows.next();
    }
}

QString describe(lxw_error result)
{
    QString reason = QString::fromUtf8(xl().lxw_strerror(result));
    if (errno != 0)
        reason += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return reason;
}

} // namespace

void XlsxReportWriter::failNextClose()
{
    g_failNextClose = true;
}

bool XlsxReportWriter::write(const PlanReport& report, const QString& path, QString* error,
                             const ProgressStep& progress)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    auto fail = [&](const QString& reason) {
        if (error)
            *error = tr("Cannot write %1: %2").arg(shownPath, reason);
        return false;
    };

    // The finished workbook goes into place as every other file does: whole
    // or not at all, with the permissions of the file it replaces or of the
    // user's umask. Opened first, so a folder that is not there fails at once.
    aptui::SafeFileWriter target(path);
    if (!target.open()) {
        if (error)
            *error = target.errorString();
        return false;
    }
    ScratchFile scratch;
    QString reason;
    if (!scratch.open(&reason))
        return fail(reason);
    if (!XlsxLibrary::shared(&reason))
        return fail(reason);

    lxw_workbook* book = xl().workbook_new(scratch.name().constData());
    if (!book)
        return fail(tr("the workbook could not be started"));

    // The rows, then one step for writing the workbook out.
    const qint64 steps = report.groups().size() + 1;
    Checked check;
    const Formats formats = makeFormats(book);
    lxw_worksheet* groupsSheet = xl().workbook_add_worksheet(book, utf8(ReportTexts::groupsSheet()).constData());
    lxw_worksheet* totalsSheet = xl().workbook_add_worksheet(book, utf8(ReportTexts::totalsSheet()).constData());
    bool cancelled = false;
    if (groupsSheet && totalsSheet) {
        cancelled = !writeGroupsSheet(groupsSheet, report, formats, check, progress, steps);
        if (!cancelled)
            writeTotalsSheet(book, totalsSheet, report, formats, check);
    } else {
        check(LXW_ERROR_SHEETNAME_ALREADY_USED);
    }
    // The checks' sheets follow, where the plan has them.
    if (!cancelled && report.hasNetwork()) {
        if (lxw_worksheet* sheet = xl().workbook_add_worksheet(book, utf8(ReportTexts::networkSheet()).constData()))
            writeNetworkSheet(sheet, report, formats, check);
        else
            check(LXW_ERROR_SHEETNAME_ALREADY_USED);
    }
    if (!cancelled && report.hasChecks()) {
        if (lxw_worksheet* sheet = xl().workbook_add_worksheet(book, utf8(ReportTexts::problemsSheet()).constData()))
            writeProblemsSheet(sheet, report, formats, check);
        else
            check(LXW_ERROR_SHEETNAME_ALREADY_USED);
    }

    lxw_doc_properties properties{};
    const QByteArray title = utf8(ReportTexts::title(report));
    properties.title = const_cast<char*>(title.constData());
    check(xl().workbook_set_properties(book, &properties));

    errno = 0;
    // Closing writes the file and frees the workbook, whatever happened.
    lxw_error closed = xl().workbook_close(book);
    if (std::exchange(g_failNextClose, false))
        closed = LXW_ERROR_CREATING_XLSX_FILE;
    if (!cancelled)
        cancelled = !mayContinue(progress, steps, steps);
    // The target was never touched: the writer drops what it holds.
    if (cancelled) {
        if (error)
            error->clear();
        return false;
    }
    if (check.first() != LXW_NO_ERROR)
        return fail(describe(check.first()));
    if (closed != LXW_NO_ERROR)
        return fail(describe(closed));

    QByteArray piece;
    do {
        if (!scratch.read(&piece, &reason))
            return fail(reason);
        if (!piece.isEmpty() && !target.write(piece))
            break;
    } while (!piece.isEmpty());
    if (!target.commit()) {
        if (error)
            *error = target.errorString();
        return false;
    }
    return true;
}
