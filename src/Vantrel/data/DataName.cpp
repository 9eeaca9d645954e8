#include "DataName.h"

#include <QCoreApplication>

QString DataName::shown(const QString& key)
{
    if (key.isEmpty())
        return key;
    return QCoreApplication::translate(kContext, key.toUtf8().constData());
}
