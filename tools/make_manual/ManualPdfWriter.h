#pragma once

#include <QString>

class ManualDocument;

// Prints the manual to an A4 PDF: the text cut into pages where the manual
// allows it (ManualDocument::pageSlices), inside fixed margins, a coloured
// band over the first page, and a footer with the title and "page / pages"
// on every page. The file is replaced only when the whole
// PDF was written.
class ManualPdfWriter
{
public:
    static bool write(ManualDocument& manual, const QString& pdfPath, int* pageCount, QString* error);
};
