#include "ReportPrinter.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

PrintRequest::Outcome ReportPrinter::print(PrintRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(request.docName);
    const bool chosen = request.setup ? request.setup(&printer) : [&] {
        QPrintDialog dialog(&printer, request.parent);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!chosen)
        return PrintRequest::Outcome::Cancelled;
    request.printerName = printer.printerName();
    return request.paint && request.paint(&printer) ? PrintRequest::Outcome::Printed
                                                    : PrintRequest::Outcome::Failed;
}

PrintRequest::Outcome vantrel_print_report(PrintRequest* request)
{
    return request ? ReportPrinter::print(*request) : PrintRequest::Outcome::Failed;
}
