#pragma once

#include <QSizeF>
#include <QStringList>

#include <memory>

class PlanReport;
class QTextDocument;

// The report as formatted text, ready to be cut into pages: title, date and
// notes, the totals as the bandwidth tab shows them, the storage summary,
// the groups table (its heading row repeats on every page) and the bar
// chart. The PDF and the printer both draw this one document.
class ReportDocument
{
public:
    // page: the text area of one page, in layout units of unitsPerPoint per
    // point. The document is laid out in pages of that size: lines and table
    // rows move whole to the next page, and table headings repeat there.
    ReportDocument(const PlanReport& report, const QSizeF& page, qreal unitsPerPoint);
    ~ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    QTextDocument* document() const { return m_document.get(); }

    // Latin text in DejaVu Sans, and Chinese (or any script it lacks) in
    // Noto Sans CJK SC, whatever the language of the program.
    static QStringList fontFamilies();

private:
    std::unique_ptr<QTextDocument> m_document;
};
