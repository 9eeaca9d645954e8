#include "ReportPages.h"

#include "GroupTable.h"
#include "NetworkTables.h"
#include "PageFlow.h"
#include "ReportChart.h"
#include "ReportStyle.h"
#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The logo's box at the top right of page 1, in points (40 x 20 mm).
constexpr qreal kLogoWidthPoints = 113;
constexpr qreal kLogoHeightPoints = 57;
// Enough for print; a larger logo is scaled down before it goes in.
constexpr qreal kLogoDpi = 300;

struct Row
{
    QString label;
    QString value;
};

// The report's parts in reading order, placed by a page flow. The same
// writer counts the pages (no painter) and then draws them.
class PageWriter
{
public:
    PageWriter(const PlanReport& report, PageFlow& flow, const GroupTable& table, const FittedTable& switches,
               const FittedTable& recorders, const ReportChart& chart, const QImage& logo)
        : m_report(report)
        , m_flow(flow)
        , m_table(table)
        , m_switches(switches)
        , m_recorders(recorders)
        , m_chart(chart)
        , m_logo(logo)
    {
    }

    bool write();

private:
    bool paragraph(const QString& text, qreal points, const QColor& color, bool bold, qreal width, qreal x = 0);
    qreal paragraphHeight(const QString& text, qreal points, bool bold, qreal width) const;
    bool heading(const QString& text, qreal keep);
    bool subheading(const QString& text, qreal keep);
    bool rows(const QVector<Row>& rows, qreal width);
    bool table(const FittedTable& table);
    bool groups();
    bool network();
    bool problems();
    bool chart();
    qreal lineHeight(qreal points) const;

    const PlanReport& m_report;
    PageFlow& m_flow;
    const GroupTable& m_table;
    const FittedTable& m_switches;
    const FittedTable& m_recorders;
    const ReportChart& m_chart;
    const QImage& m_logo;
};

qreal PageWriter::lineHeight(qreal points) const
{
    return QFontMetricsF(ReportStyle::font(QString(), points), m_flow.device())
        .height();
}

namespace {

// A text's lines as the page lays them out: between words, or anywhere in
// a word longer than the width.
void layOut(QTextLayout& layout, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
}

} // namespace

// A text broken into lines, each line moving whole to the next page when it
// does not fit.
bool PageWriter::paragraph(const QString& text, qreal points, const QColor& color, bool bold, qreal width, qreal x)
{
    QPainter* painter = m_flow.painter();
    for (const QString& piece : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(piece, ReportStyle::font(piece, points, bold), m_flow.device());
        layOut(layout, width);
        for (int index = 0; index < layout.lineCount(); ++index) {
            const QTextLine line = layout.lineAt(index);
            if (!m_flow.reserve(line.height()))
                return false;
            if (painter) {
                painter->setPen(color);
                line.draw(painter, QPointF(x, m_flow.y() - line.y()));
            }
            m_flow.advance(line.height());
        }
    }
    return true;
}

qreal PageWriter::paragraphHeight(const QString& text, qreal points, bool bold, qreal width) const
{
    qreal height = 0;
    for (const QString& piece : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(piece, ReportStyle::font(piece, points, bold), m_flow.device());
        layOut(layout, width);
        for (int index = 0; index < layout.lineCount(); ++index)
            height += layout.lineAt(index).height();
    }
    return height;
}

bool PageWriter::heading(const QString& text, qreal keep)
{
    const qreal before = m_flow.atPageTop() ? 0 : m_flow.points(12);
    const qreal after = m_flow.points(4);
    // A heading stays with what it heads, the room below it counted.
    if (!m_flow.reserve(before + lineHeight(ReportStyle::kHeadingPoints) + after + keep))
        return false;
    m_flow.advance(before);
    if (!paragraph(text, ReportStyle::kHeadingPoints, ReportStyle::kHeading, true, m_flow.width()))
        return false;
    m_flow.advance(after);
    return true;
}

// A part within a section, in the body's type.
bool PageWriter::subheading(const QString& text, qreal keep)
{
    const qreal before = m_flow.atPageTop() ? 0 : m_flow.points(6);
    const qreal after = m_flow.points(3);
    if (!m_flow.reserve(before + lineHeight(ReportStyle::kBodyPoints) + after + keep))
        return false;
    m_flow.advance(before);
    if (!paragraph(text, ReportStyle::kBodyPoints, ReportStyle::kText, true, m_flow.width()))
        return false;
    m_flow.advance(after);
    return true;
}

// Labels in a column as wide as the widest, values beside them, wrapped.
bool PageWriter::rows(const QVector<Row>& rows, qreal width)
{
    const QPaintDevice* device = m_flow.device();
    qreal labelWidth = 0;
    for (const Row& row : rows)
        labelWidth = std::max(labelWidth, QFontMetricsF(ReportStyle::font(row.label, ReportStyle::kBodyPoints), device)
                                              .horizontalAdvance(row.label));
    const qreal gap = m_flow.points(12);
    labelWidth = std::min(labelWidth, width / 2);
    const qreal valueX = labelWidth + gap;
    for (const Row& row : rows) {
        const qreal line = lineHeight(ReportStyle::kBodyPoints);
        if (!m_flow.reserve(line))
            return false;
        const qreal top = m_flow.y();
        const int page = m_flow.page();
        if (!paragraph(row.value, ReportStyle::kBodyPoints, ReportStyle::kText, true, width - valueX, valueX))
            return false;
        const qreal bottom = m_flow.y();
        if (QPainter* painter = m_flow.painter()) {
            // The label goes with the value's first line, on its page.
            if (page == m_flow.page()) {
                QTextLayout layout(row.label, ReportStyle::font(row.label, ReportStyle::kBodyPoints), device);
                layout.beginLayout();
                QTextLine first = layout.createLine();
                first.setLineWidth(labelWidth);
                layout.endLayout();
                // On the value's baseline, whichever fonts the two are in.
                const qreal shift = QFontMetricsF(ReportStyle::font(row.value, ReportStyle::kBodyPoints, true), device)
                                        .ascent()
                    - first.ascent();
                painter->setPen(ReportStyle::kMuted);
                first.draw(painter, QPointF(0, top + shift));
            }
        }
        m_flow.advance(m_flow.points(3) + std::max<qreal>(0, top + line - bottom));
    }
    return true;
}

// As many rows as a page holds under the table's heading, which each page
// repeats.
bool PageWriter::table(const FittedTable& table)
{
    QPainter* painter = m_flow.painter();
    int next = 0;
    do {
        int fit = int(std::floor((m_flow.room() - table.headerHeight()) / table.rowHeight()));
        if (fit < 1 && !m_flow.atPageTop()) {
            if (!m_flow.newPage())
                return false;
            continue;
        }
        fit = std::max(fit, 1);
        const int count = std::min(fit, table.rowCount() - next);
        if (painter) {
            table.paintHeader(painter, QPointF(0, m_flow.y()));
            table.paintRows(painter, QPointF(0, m_flow.y() + table.headerHeight()), next, count);
        }
        m_flow.advance(table.headerHeight() + count * table.rowHeight());
        next += count;
        if (next < table.rowCount() && !m_flow.newPage())
            return false;
    } while (next < table.rowCount());
    return true;
}

bool PageWriter::groups()
{
    if (!heading(ReportTexts::groupsHeading(), m_table.headerHeight() + m_table.rowHeight()))
        return false;
    return table(m_table);
}

bool PageWriter::network()
{
    if (!m_report.hasNetwork())
        return true;
    const FittedTable& first = m_report.switches().isEmpty() ? m_recorders : m_switches;
    // The first table's title, heading row and first row.
    const qreal keep = m_flow.points(6) + lineHeight(ReportStyle::kBodyPoints) + m_flow.points(3)
        + first.headerHeight() + first.rowHeight();
    if (!heading(ReportTexts::networkHeading(), keep))
        return false;
    for (const auto& [title, part] : {std::pair{ReportTexts::switchesHeading(), &m_switches},
                                      std::pair{ReportTexts::recordersHeading(), &m_recorders}}) {
        if (part->rowCount() == 0)
            continue;
        if (!subheading(title, part->headerHeight() + part->rowHeight()) || !table(*part))
            return false;
    }
    return true;
}

// Each problem as its state, then what breaks which rule with its figure and
// limit, then the sentence that says what to change; lines move whole to
// the next page.
// Each problem as its state, then what breaks which rule with its figure and
// limit, then the sentence that says what to change; a problem stays on one
// page where a page holds it.
bool PageWriter::problems()
{
    if (!m_report.hasChecks())
        return true;
    const QPaintDevice* device = m_flow.device();
    const qreal line = lineHeight(ReportStyle::kBodyPoints);
    qreal labelWidth = 0;
    for (const CheckState state : {CheckState::Warn, CheckState::Over}) {
        const QString word = ReportTexts::stateText(state);
        labelWidth = std::max(labelWidth, QFontMetricsF(ReportStyle::font(word, ReportStyle::kBodyPoints, true), device)
                                              .horizontalAdvance(word));
    }
    labelWidth = std::min(labelWidth, m_flow.width() / 4);
    const qreal valueX = labelWidth + m_flow.points(12);
    const qreal valueWidth = m_flow.width() - valueX;
    const auto height = [&](const PlanReport::Problem& problem) {
        const QString text = ReportTexts::problemLine(problem);
        return std::max(line, paragraphHeight(text, ReportStyle::kBodyPoints, true, valueWidth)
                                  + paragraphHeight(problem.problem.text, ReportStyle::kBodyPoints, false, valueWidth));
    };

    const QVector<PlanReport::Problem>& problems = m_report.problems();
    // The heading goes with the first problem, or with the line that says
    // there is none.
    const qreal first = problems.isEmpty()
        ? paragraphHeight(ReportTexts::noProblems(), ReportStyle::kBodyPoints, false, m_flow.width())
        : height(problems.first());
    if (!heading(ReportTexts::problemsHeading(), std::min(first, m_flow.pageHeight() / 2)))
        return false;
    if (problems.isEmpty())
        return paragraph(ReportTexts::noProblems(), ReportStyle::kBodyPoints, ReportStyle::kText, false, m_flow.width());

    for (const PlanReport::Problem& problem : problems) {
        const QString text = ReportTexts::problemLine(problem);
        const QFontMetricsF textMetrics(ReportStyle::font(text, ReportStyle::kBodyPoints, true), device);
        // The state and the problem's first line always share a page.
        if (!m_flow.reserve(std::max(textMetrics.height(), height(problem))))
            return false;
        const qreal top = m_flow.y();
        const int page = m_flow.page();
        if (!paragraph(text, ReportStyle::kBodyPoints, ReportStyle::kText, true, valueWidth, valueX))
            return false;
        if (QPainter* painter = m_flow.painter(); painter && page == m_flow.page()) {
            const QString word = ReportTexts::stateText(problem.problem.state);
            const QFont font = ReportStyle::font(word, ReportStyle::kBodyPoints, true);
            painter->setFont(font);
            painter->setPen(problem.problem.state == CheckState::Over ? ReportStyle::kOver : ReportStyle::kWarn);
            // On the line's baseline, whichever fonts the two are in.
            painter->drawText(QPointF(0, top + textMetrics.ascent()),
                              QFontMetricsF(font, device).elidedText(word, Qt::ElideRight, labelWidth));
        }
        if (!paragraph(problem.problem.text, ReportStyle::kBodyPoints, ReportStyle::kText, false, valueWidth, valueX))
            return false;
        m_flow.advance(m_flow.points(4));
    }
    return true;
}

bool PageWriter::chart()
{
    if (m_chart.barCount() == 0)
        return true;
    if (!heading(ReportTexts::chartHeading(), m_chart.rowHeight()))
        return false;
    int next = 0;
    while (next < m_chart.barCount()) {
        const int fit = std::max(1, int(std::floor(m_flow.room() / m_chart.rowHeight())));
        const int count = std::min(fit, m_chart.barCount() - next);
        if (QPainter* painter = m_flow.painter())
            m_chart.paint(painter, QPointF(0, m_flow.y()), next, count);
        m_flow.advance(count * m_chart.rowHeight());
        next += count;
        if (next < m_chart.barCount() && !m_flow.newPage())
            return false;
    }
    return true;
}

bool PageWriter::write()
{
    // The logo at the top right; the title and the site's properties beside it.
    qreal besideLogo = m_flow.width();
    qreal logoBottom = 0;
    if (!m_logo.isNull()) {
        const QSizeF box(m_flow.points(kLogoWidthPoints), m_flow.points(kLogoHeightPoints));
        const QSizeF size = QSizeF(m_logo.size()).scaled(box, Qt::KeepAspectRatio);
        const QRectF target(m_flow.width() - size.width(), 0, size.width(), size.height());
        if (QPainter* painter = m_flow.painter())
            painter->drawImage(target, m_logo);
        besideLogo = target.left() - m_flow.points(12);
        logoBottom = target.bottom() + m_flow.points(6);
    }
    if (!paragraph(ReportTexts::title(m_report), ReportStyle::kTitlePoints, ReportStyle::kHeading, true, besideLogo))
        return false;
    m_flow.advance(m_flow.points(3));
    if (!paragraph(ReportTexts::dateLine(m_report), ReportStyle::kBodyPoints, ReportStyle::kMuted, false, besideLogo))
        return false;
    m_flow.advance(m_flow.points(6));
    QVector<Row> properties;
    const PlanReport::Properties& site = m_report.properties();
    if (!site.customer.trimmed().isEmpty())
        properties.append({ReportTexts::customerLabel(), site.customer});
    if (!site.address.trimmed().isEmpty())
        properties.append({ReportTexts::addressLabel(), site.address});
    if (!site.designer.trimmed().isEmpty())
        properties.append({ReportTexts::designerLabel(), site.designer});
    if (!rows(properties, besideLogo))
        return false;
    if (m_flow.page() == 1 && m_flow.y() < logoBottom)
        m_flow.advance(logoBottom - m_flow.y());

    if (!m_report.notes().trimmed().isEmpty()) {
        if (!heading(ReportTexts::notesHeading(), lineHeight(ReportStyle::kBodyPoints)))
            return false;
        if (!paragraph(m_report.notes(), ReportStyle::kBodyPoints, ReportStyle::kText, false, m_flow.width()))
            return false;
    }

    const PlanTotals& totals = m_report.totals();
    QVector<Row> totalRows{{ReportTexts::groupCountLabel(), QString::number(m_report.groups().size())},
                           {ReportTexts::channelsLabel(), QString::number(totals.channels())},
                           {ReportTexts::ipcLabel(), QString::number(totals.ipcChannels())},
                           {ReportTexts::dvrLabel(), QString::number(totals.dvrChannels())},
                           {ReportTexts::totalBandwidthLabel(), ReportTexts::totalText(totals.bandwidth())}};
    if (m_report.uplinkCheck().hasUplink())
        totalRows.append({ReportTexts::uplinkLabel(), m_report.uplinkCheck().message()});
    if (!heading(ReportTexts::totalsHeading(), lineHeight(ReportStyle::kBodyPoints)) || !rows(totalRows, m_flow.width()))
        return false;

    if (const auto& storage = m_report.storage()) {
        const StorageSettings& settings = storage->settings();
        const QVector<Row> storageRows{{ReportTexts::storedLabel(), storage->tbText()},
                                       {ReportTexts::dataDisksLabel(), QString::number(storage->dataDisks())},
                                       {ReportTexts::disksLabel(), QString::number(storage->disks())},
                                       {ReportTexts::raidLabel(), ReportTexts::raidText(settings.raid)},
                                       {ReportTexts::diskSizeLabel(), ReportTexts::diskSize(settings.diskTB)},
                                       {ReportTexts::hotSparesLabel(), QString::number(settings.hotSpares)}};
        if (!heading(ReportTexts::storageHeading(), lineHeight(ReportStyle::kBodyPoints))
            || !rows(storageRows, m_flow.width()))
            return false;
    }
    return network() && problems() && groups() && chart();
}

// The logo as decoded, no larger than its box needs at print resolution.
QImage logoImage(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QImage();
    QImage image = QImage::fromData(bytes);
    if (image.isNull())
        return image;
    const QSize most(int(kLogoWidthPoints / 72 * kLogoDpi), int(kLogoHeightPoints / 72 * kLogoDpi));
    if (image.width() > most.width() || image.height() > most.height())
        image = image.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

bool ReportPages::paint(const PlanReport& report, QPagedPaintDevice* device, int* pageCount,
                        const ProgressStep& progress)
{
    if (!mayContinue(progress, 0, 1))
        return false;
    const QString title = ReportTexts::title(report);
    const qreal width = device->pageLayout().paintRect(QPageLayout::Point).width() * device->logicalDpiX() / 72.0;
    const GroupTable table(report, device, width);
    const FittedTable switches = NetworkTables::switches(report, device, width);
    const FittedTable recorders = NetworkTables::recorders(report, device, width);
    const ReportChart chart(report, device, width);
    const QImage logo = logoImage(report.properties().logo);

    // Counted first, so each footer can say how many pages there are.
    PageFlow counter(device, nullptr, title, 0);
    if (!PageWriter(report, counter, table, switches, recorders, chart, logo).write())
        return false;
    const int pages = counter.page();
    if (pageCount)
        *pageCount = pages;

    QPainter painter;
    if (!painter.begin(device))
        return false;
    PageFlow flow(device, &painter, title, pages, progress);
    const bool written = PageWriter(report, flow, table, switches, recorders, chart, logo).write();
    if (written)
        flow.finish();
    return painter.end() && written;
}
