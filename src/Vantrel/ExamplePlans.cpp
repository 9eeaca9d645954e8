#include "ExamplePlans.h"

#include <Fenwork/TargetPath.h>

#include <QDir>
#include <QFileInfo>

QString ExamplePlans::folder()
{
    return aptui::GetTargetPathFile(QStringLiteral("examples"));
}

QVector<ExamplePlans::Entry> ExamplePlans::available()
{
    const QVector<Entry> shipped = {
        { tr("Small shop (6 groups)"), QStringLiteral("small-shop.vantrel") },
        { tr("Office building (25 groups)"), QStringLiteral("office-building.vantrel") },
        { tr("Warehouse with a yard (40 groups)"), QStringLiteral("warehouse-yard.vantrel") },
        { tr("University campus (300 groups)"), QStringLiteral("campus.vantrel") },
        { tr("City (10,000 groups)"), QStringLiteral("city.vantrel") },
    };
    const QDir dir(folder());
    QVector<Entry> present;
    for (const Entry& entry : shipped) {
        const QString path = dir.filePath(entry.path);
        if (QFileInfo::exists(path))
            present.append({ entry.title, path });
    }
    return present;
}
