#pragma once

#include <QChar>
#include <QStringList>
#include <QStringView>

#include <functional>

// Rows of comma- or semicolon-separated text as RFC 4180 and spreadsheets
// write it: a quoted field may hold the separator, doubled quotes and line
// breaks. Rows are handed over one at a time, so a large table is never
// held twice.
class CsvTable
{
public:
    // row counts records from 1, as a spreadsheet numbers its rows; offset
    // is where the next record starts. Return false to stop.
    using RowSink = std::function<bool(const QStringList& cells, int row, qsizetype offset)>;

    // False when the sink stopped it.
    static bool parse(QStringView text, QChar separator, const RowSink& sink);
    struct Heading
    {
        // 0: none found.
        int row = 0;
        int score = 0;
    };
    // The row among the first few that score finds the most headings in
    // (the first of equals); score 0 means a row is no heading.
    static Heading findHeading(QStringView text, QChar separator, const std::function<int(const QStringList&)>& score);
    // The separator that makes the better heading: ';' only when it makes
    // more of one, or the same sooner, than ','.
    static QChar detectSeparator(QStringView text, const std::function<int(const QStringList&)>& score);
};
