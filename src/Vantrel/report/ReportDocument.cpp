#include "ReportDocument.h"

#include "ReportChart.h"
#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

const QColor kHeading(0x5e, 0x6f, 0xec);
const QColor kText(0x2e, 0x33, 0x40);
const QColor kMuted(0x6c, 0x74, 0x85);
const QColor kFrame(0xcb, 0xd1, 0xda);
const QColor kTableHead(0xe4, 0xe8, 0xfc);

constexpr qreal kBodyPoints = 9;
constexpr qreal kTablePoints = 7.5;

// Column widths of the groups table in percent of the text width; the name
// takes what the others leave.
const QVector<qreal> kColumnPercent{4, 18, 5, 11, 13, 8, 7, 8, 11, 7, 8};

class Writer
{
public:
    Writer(QTextDocument* document, qreal unitsPerPoint)
        : m_cursor(document)
        , m_unitsPerPoint(unitsPerPoint)
    {
    }

    QTextCursor& cursor() { return m_cursor; }

    QTextCharFormat text(qreal points, const QColor& color, bool bold = false) const
    {
        QTextCharFormat format;
        format.setFontFamilies(ReportDocument::fontFamilies());
        format.setFontPointSize(points);
        format.setForeground(color);
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        return format;
    }

    void paragraph(const QString& line, const QTextCharFormat& format, qreal spaceBefore = 0)
    {
        QTextBlockFormat block;
        block.setTopMargin(spaceBefore * m_unitsPerPoint);
        block.setBottomMargin(3 * m_unitsPerPoint);
        if (m_started)
            m_cursor.insertBlock(block, format);
        else
            m_cursor.setBlockFormat(block);
        m_started = true;
        m_cursor.setBlockCharFormat(format);
        m_cursor.insertText(line, format);
    }

    void heading(const QString& line)
    {
        paragraph(line, text(12, kHeading, true), 12);
    }

    QTextTable* table(int rows, int columns, int headerRows)
    {
        QTextTableFormat format;
        format.setHeaderRowCount(headerRows);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setCellPadding(2.5 * m_unitsPerPoint);
        format.setCellSpacing(0);
        format.setBorder(0.5 * m_unitsPerPoint);
        format.setBorderBrush(kFrame);
        format.setBorderCollapse(true);
        format.setTopMargin(4 * m_unitsPerPoint);
        return m_cursor.insertTable(rows, columns, format);
    }

    void cell(QTextTable* table, int row, int column, const QString& value, const QTextCharFormat& format,
              Qt::Alignment alignment = Qt::AlignLeft)
    {
        QTextCursor at = table->cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(alignment);
        at.setBlockFormat(block);
        at.insertText(value, format);
    }

    // Leaves the table, so what follows is below it.
    void after(QTextTable* table) { m_cursor = table->lastCursorPosition(); m_cursor.movePosition(QTextCursor::NextBlock); }

private:
    QTextCursor m_cursor;
    qreal m_unitsPerPoint;
    bool m_started = false;
};

void shade(QTextTable* table, int row)
{
    for (int column = 0; column < table->columns(); ++column) {
        QTextTableCellFormat format = table->cellAt(row, column).format().toTableCellFormat();
        format.setBackground(kTableHead);
        table->cellAt(row, column).setFormat(format);
    }
}

void labelValueTable(Writer& writer, const QVector<QStringList>& rows)
{
    QTextTable* table = writer.table(int(rows.size()), 2, 0);
    QTextTableFormat format = table->format();
    format.setWidth(QTextLength(QTextLength::PercentageLength, 40));
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 60),
                                      QTextLength(QTextLength::PercentageLength, 40)});
    table->setFormat(format);
    const QTextCharFormat label = writer.text(kBodyPoints, kMuted);
    const QTextCharFormat value = writer.text(kBodyPoints, kText, true);
    for (int row = 0; row < rows.size(); ++row) {
        writer.cell(table, row, 0, rows.at(row).value(0), label);
        writer.cell(table, row, 1, rows.at(row).value(1), value, Qt::AlignRight);
    }
    writer.after(table);
}

void groupsTable(Writer& writer, const PlanReport& report)
{
    const bool withStorage = report.storage().has_value();
    const QStringList columns = ReportTexts::printedColumns(withStorage);
    const int rows = int(report.groups().size()) + 1;
    writer.cursor().setCharFormat(writer.text(kTablePoints, kText));
    QTextTable* table = writer.table(rows, int(columns.size()), 1);

    QTextTableFormat format = table->format();
    QVector<QTextLength> widths;
    for (int column = 0; column < columns.size(); ++column) {
        qreal percent = kColumnPercent.value(column, 8);
        if (!withStorage && column == 1)
            percent += kColumnPercent.last();
        widths << QTextLength(QTextLength::PercentageLength, percent);
    }
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);

    const QTextCharFormat head = writer.text(kTablePoints, kText, true);
    for (int column = 0; column < columns.size(); ++column)
        writer.cell(table, 0, column, columns.at(column), head);
    shade(table, 0);

    // Thousands of cells: filled in order by one cursor, in the character
    // format the cells were made with, and aligned only where it differs
    // from the default, which keeps large plans fast.
    // A plan without groups has the heading row alone, and no cell to start in.
    if (report.groups().isEmpty()) {
        writer.after(table);
        return;
    }
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    QTextCursor cursor = table->cellAt(1, 0).firstCursorPosition();
    for (const PlanReport::Group& group : report.groups()) {
        QStringList values{QString::number(group.number), group.name, group.deviceType,
                           ReportTexts::channelsTimesStreams(group), group.resolution,
                           ReportTexts::frameRateOrScene(group), group.encoding, ReportTexts::rate(group.rateKbps),
                           ReportTexts::kbps(group.bandwidthKbps), ReportTexts::percent(group.share)};
        if (withStorage)
            values << ReportTexts::tb(group.storageBytes.value_or(0));
        for (int column = 0; column < values.size(); ++column) {
            // Figures line up on the right, words on the left.
            if (column == 0 || column >= 7)
                cursor.setBlockFormat(right);
            cursor.insertText(values.at(column));
            cursor.movePosition(QTextCursor::NextCell);
        }
    }
    writer.after(table);
}

} // namespace

QStringList ReportDocument::fontFamilies()
{
    // Latin text in a Latin font first: set in the CJK font alone, the
    // PDF's digits show but cannot be searched or copied.
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC")};
}

ReportDocument::ReportDocument(const PlanReport& report, const QSizeF& page, qreal unitsPerPoint)
    : m_document(std::make_unique<QTextDocument>())
{
    QTextDocument* document = m_document.get();
    document->setUndoRedoEnabled(false);
    document->setDocumentMargin(0);
    QFont font;
    font.setFamilies(fontFamilies());
    font.setPointSizeF(kBodyPoints);
    document->setDefaultFont(font);
    document->setMetaInformation(QTextDocument::DocumentTitle, ReportTexts::title(report));

    Writer writer(document, unitsPerPoint);
    writer.paragraph(ReportTexts::title(report), writer.text(18, kHeading, true));
    writer.paragraph(ReportTexts::dateLine(report), writer.text(kBodyPoints, kMuted));
    if (!report.notes().isEmpty()) {
        writer.heading(ReportTexts::notesHeading());
        for (const QString& line : report.notes().split(QLatin1Char('\n')))
            writer.paragraph(line, writer.text(kBodyPoints, kText));
    }

    const PlanTotals& totals = report.totals();
    const BandwidthTotal& bandwidth = totals.bandwidth();
    writer.heading(ReportTexts::totalsHeading());
    QVector<QStringList> totalRows{
        {ReportTexts::groupCountLabel(), QString::number(report.groups().size())},
        {ReportTexts::channelsLabel(), QString::number(totals.channels())},
        {ReportTexts::ipcLabel(), QString::number(totals.ipcChannels())},
        {ReportTexts::dvrLabel(), QString::number(totals.dvrChannels())},
        {ReportTexts::totalBandwidthLabel(),
         bandwidth.text() + QLatin1Char(' ') + ReportTexts::unitText(bandwidth.unit())}};
    if (report.uplinkCheck().hasUplink())
        totalRows.append({ReportTexts::uplinkLabel(), report.uplinkCheck().message()});
    labelValueTable(writer, totalRows);

    if (const auto& storage = report.storage()) {
        const StorageSettings& settings = storage->settings();
        writer.heading(ReportTexts::storageHeading());
        labelValueTable(writer, {{ReportTexts::storedLabel(), storage->tbText()},
                                 {ReportTexts::dataDisksLabel(), QString::number(storage->dataDisks())},
                                 {ReportTexts::disksLabel(), QString::number(storage->disks())},
                                 {ReportTexts::raidLabel(), ReportTexts::raidText(settings.raid)},
                                 {ReportTexts::diskSizeLabel(), ReportTexts::diskSize(settings.diskTB)},
                                 {ReportTexts::hotSparesLabel(), QString::number(settings.hotSpares)}});
    }

    writer.heading(ReportTexts::groupsHeading());
    groupsTable(writer, report);

    ReportChart* chart = nullptr;
    if (!report.groups().isEmpty()) {
        writer.heading(ReportTexts::chartHeading());
        chart = new ReportChart(report, document, unitsPerPoint);
        writer.paragraph(QString(), writer.text(kBodyPoints, kText));
        chart->insert(writer.cursor(), page.width());
    }

    // The chart's size must be known before the layout places anything
    // after it: a layout made without it drew the bars over the table.
    if (chart)
        chart->registerWithLayout(document);
    // Last, so the document is laid out once, and in pages.
    document->setPageSize(page);
}

ReportDocument::~ReportDocument() = default;
