#include "ZipLibrary.h"

#include "LoadOnce.h"

QString ZipLibrary::defaultFileName()
{
    return QStringLiteral(VANTREL_LIBZIP_SONAME);
}

const ZipLibrary* ZipLibrary::shared(QString* reason)
{
    return loadOnce<ZipLibrary>(reason);
}

ZipLibrary::ZipLibrary(const QString& fileName)
    : m_library(fileName)
{
}

bool ZipLibrary::load(QString* reason)
{
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = tr("the zip library %1 could not be loaded (%2)").arg(m_library.fileName(), why);
        return false;
    };
    if (!m_library.load())
        return fail(m_library.errorString());
#define VANTREL_ZIP_RESOLVE(name)                                                             \
    name = reinterpret_cast<decltype(name)>(m_library.resolve(#name));                        \
    if (!name)                                                                                \
        return fail(tr("it has no function %1").arg(QLatin1String(#name)));
    VANTREL_ZIP_FUNCTIONS(VANTREL_ZIP_RESOLVE)
#undef VANTREL_ZIP_RESOLVE
    return true;
}
