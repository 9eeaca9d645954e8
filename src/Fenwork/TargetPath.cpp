#include "TargetPath.h"

#include <QCoreApplication>
#include <QDir>

namespace aptui {

namespace {
QString& overridePath()
{
    static QString path;
    return path;
}

QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
} // namespace

QString GetTargetPath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    if (!QCoreApplication::instance())
        return withSeparator(QDir::currentPath());
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString GetTargetPathFile(const QString& name)
{
    return GetTargetPath() + name;
}

void SetTargetPath(const QString& path)
{
    overridePath() = path.isEmpty() ? QString() : withSeparator(QDir::cleanPath(path));
}

} // namespace aptui
