#include "File.h"

#include <QDir>
#include <QFile>

namespace aptui {

QString File::ReadAll(const QStringList& files, const QString& dir)
{
    QString text;
    const QDir folder(dir);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        text += QString::fromUtf8(file.readAll());
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace aptui
