#include "XlsxLibrary.h"

#include <data/LoadOnce.h>

QString XlsxLibrary::defaultFileName()
{
    return QStringLiteral(VANTREL_XLSXWRITER_SONAME);
}

const XlsxLibrary* XlsxLibrary::shared(QString* reason)
{
    // Workbooks may be written from a worker thread.
    return loadOnce<XlsxLibrary>(reason);
}

XlsxLibrary::XlsxLibrary(const QString& fileName)
    : m_library(fileName)
{
}

bool XlsxLibrary::load(QString* reason)
{
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = tr("the workbook library %1 could not be loaded (%2)").arg(m_library.fileName(), why);
        return false;
    };
    if (!m_library.load())
        return fail(m_library.errorString());
#define VANTREL_XLSX_RESOLVE(name)                                                            \
    name = reinterpret_cast<decltype(name)>(m_library.resolve(#name));                        \
    if (!name)                                                                                \
        return fail(tr("it has no function %1").arg(QLatin1String(#name)));
    VANTREL_XLSX_FUNCTIONS(VANTREL_XLSX_RESOLVE)
#undef VANTREL_XLSX_RESOLVE
    return true;
}
