#include "PrintModule.h"

#include <data/LoadOnce.h>

#include <QCoreApplication>
#include <QFileInfo>

QString PrintModule::defaultFileName()
{
    // Beside the program itself, wherever its data files are read from.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/printing/libVantrelPrinting.so");
}

const PrintModule* PrintModule::shared(QString* reason)
{
    return loadOnce<PrintModule>(reason);
}

PrintModule::PrintModule(const QString& fileName)
    : m_library(fileName)
{
}

bool PrintModule::load(QString* reason)
{
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = tr("the printing module %1 could not be loaded (%2)").arg(m_library.fileName(), why);
        return false;
    };
    // Said plainly: for a file that is not there, the loader's own message
    // lists every variant of the name it tried.
    if (!QFileInfo(m_library.fileName()).isFile())
        return fail(tr("the file is missing"));
    if (!m_library.load())
        return fail(m_library.errorString());
    m_print = reinterpret_cast<PrintEntry>(m_library.resolve(VANTREL_PRINT_ENTRY));
    if (!m_print)
        return fail(tr("it has no function %1").arg(QLatin1String(VANTREL_PRINT_ENTRY)));
    return true;
}
