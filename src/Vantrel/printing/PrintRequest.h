#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// One print-out, as the window hands it to the printing module: the module
// makes the printer, lets the user set it up and has the report painted on it.
struct PrintRequest
{
    enum class Outcome { Printed, Cancelled, Failed };

    // The print dialog's parent.
    QWidget* parent = nullptr;
    // The job's name in the printer's queue.
    QString docName;
    // Chooses printer and pages; false cancels. Without one, the module
    // shows Qt's print dialog.
    std::function<bool(QPrinter* printer)> setup;
    // Paints the report; false when nothing could be painted.
    std::function<bool(QPagedPaintDevice* device)> paint;

    // Filled in by the module: the printer the report went to.
    QString printerName;
};

// The module's one entry point, looked up by this name.
#define VANTREL_PRINT_ENTRY "vantrel_print_report"
using PrintEntry = PrintRequest::Outcome (*)(PrintRequest* request);
