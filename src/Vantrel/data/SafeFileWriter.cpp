#include "SafeFileWriter.h"

#include <QDir>
#include <QSaveFile>

bool SafeFileWriter::write(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    auto fail = [&](const QString& reason) {
        file.cancelWriting();
        if (error)
            *error = tr("Could not write %1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // QSaveFile buffers: a full disk shows only when the buffer is flushed,
    // so the flush is checked before commit() may rename anything.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
