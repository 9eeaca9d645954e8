#pragma once

#include "CsvTable.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

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

    // Empty when every row was handed over or the sink stopped; otherwise
    // why the workbook could not be read. stopped says which of the two.
    // offset counts bytes of the sheet's XML.
    static QString read(const QByteArray& bytes, const CsvTable::RowSink& sink, bool* stopped = nullptr,
                        qint64* sheetBytes = nullptr);
};
