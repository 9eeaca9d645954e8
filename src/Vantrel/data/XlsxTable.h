#pragma once

#include "CsvTable.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The cells of a workbook's first sheet as texts, row by row, in the same
// shape CsvTable hands them over. A formula cell gives the value its
// program last showed (the cached one); nothing is ever calculated. Numbers
// read in their shortest exact form ("25", "4096", "0.3").
class XlsxTable
{
    Q_DECLARE_TR_FUNCTIONS(XlsxTable)

public:
    // The uncompressed size a part may have: a small zip cannot unfold into
    // all the memory there is.
    static constexpr qint64 kMaxPartBytes = 512LL * 1024 * 1024;

    static bool looksLikeZip(const QByteArray& bytes) { return bytes.startsWith("PK\x03\x04"); }

    // Empty when the workbook's first sheet and its shared texts were
    // unpacked; otherwise why not.
    QString open(const QByteArray& bytes);
    // The size of the sheet's XML, which the rows' offsets count in.
    qint64 sheetBytes() const { return m_sheet.size(); }
    // Hands every row over, from the top, as often as asked; false when the
    // sink stopped it. error tells of a sheet damaged part way.
    bool rows(const CsvTable::RowSink& sink, QString* error = nullptr) const;

private:
    QByteArray m_sheet;
    QVector<QString> m_strings;
};
