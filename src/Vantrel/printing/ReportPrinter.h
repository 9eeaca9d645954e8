#pragma once

#include "PrintRequest.h"

// The printing module's work: a high-resolution landscape printer, set up
// by the user (or by the request's own setup), painted by the request. Only
// this module links Qt's print support, so a start of the window does not
// load it.
class ReportPrinter
{
public:
    static PrintRequest::Outcome print(PrintRequest& request);
};

extern "C" Q_DECL_EXPORT PrintRequest::Outcome vantrel_print_report(PrintRequest* request);
