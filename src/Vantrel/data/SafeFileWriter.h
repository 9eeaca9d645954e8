#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Writes a whole file or nothing: the bytes go to a temporary file beside
// the target, every write and the flush are checked, and only then is it
// renamed over the old file.
class SafeFileWriter
{
    Q_DECLARE_TR_FUNCTIONS(SafeFileWriter)

public:
    // error (when given) gets a message naming the file and the reason.
    static bool write(const QString& path, const QByteArray& bytes, QString* error);
};
