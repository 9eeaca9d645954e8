#include "ProgramVersion.h"

#include <QStringList>

#ifndef VANTREL_VERSION
#error "VANTREL_VERSION is the project's version (src/Vantrel/data/CMakeLists.txt)"
#endif

QString ProgramVersion::text()
{
    return QStringLiteral("v" VANTREL_VERSION "build") + buildDay();
}

QString ProgramVersion::buildDay()
{
    return buildDateNumber(QString::fromLatin1(__DATE__));
}

QString ProgramVersion::buildDateNumber(const QString& compilerDate)
{
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    const int month = months.indexOf(compilerDate.left(3)) + 1;
    const int day = compilerDate.mid(4, 2).trimmed().toInt();
    const QString year = compilerDate.mid(7, 4);
    return year + QString::asprintf("%02d%02d", month, day);
}
