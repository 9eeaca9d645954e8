#pragma once

#include <QByteArray>
#include <QTemporaryFile>

// A file for a library that writes only to a name, such as the workbook
// library: it lives in the system's temporary folder, and where the system
// can reach an open file without its name (Linux), the name is gone again
// as soon as the file is open, so not even a killed program leaves it behind.
// What the library wrote is read back through the file itself.
class ScratchFile
{
public:
    ScratchFile();

    // False with the system's reason when no file could be made.
    bool open(QString* reason);
    // The name to hand the library, in the system's encoding.
    const QByteArray& name() const { return m_name; }
    // Reads the next piece of what the library wrote; empty at the end.
    // False with the system's reason when the file could not be read.
    bool read(QByteArray* piece, QString* reason);

private:
    QTemporaryFile m_file;
    QByteArray m_name;
};
