#pragma once

#include "PrintRequest.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

// The printing module (ReportPrinter), opened at the first print: linked,
// Qt's print support was loaded and bound at every start of the window,
// where most sessions never print.
class PrintModule
{
    Q_DECLARE_TR_FUNCTIONS(PrintModule)

public:
    // In plugins/printing/ beside the program.
    static QString defaultFileName();
    // The process's one copy, loaded at the first call; null with the
    // reason when it cannot be (a later call tries again).
    static const PrintModule* shared(QString* reason);

    explicit PrintModule(const QString& fileName);
    // False with the reason when the file or its entry point is missing.
    bool load(QString* reason);

    PrintRequest::Outcome print(PrintRequest& request) const { return m_print(&request); }

private:
    QLibrary m_library;
    PrintEntry m_print = nullptr;
};
