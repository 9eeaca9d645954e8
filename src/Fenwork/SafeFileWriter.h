#pragma once

#include "FenworkCoreGlobal.h"

#include <QSaveFile>
#include <QString>

namespace aptui {

// Writes a file so that it is either wholly new or untouched: the content
// goes to a temporary file beside the target, every write and the final
// flush are checked, and only then is the temporary file renamed over the
// target. A full disk therefore ends as a failure with the old file intact,
// never as an empty or cut file under the old name.
class FENWORK_CORE_EXPORT SafeFileWriter
{
public:
    explicit SafeFileWriter(const QString& path);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool open();
    bool write(const QByteArray& data);
    // Flushes, checks, and puts the file in place; false leaves the target
    // as it was.
    bool commit();
    // Names the file and the system's reason; empty until something failed.
    QString errorString() const { return m_error; }

    // One call for the usual case: the whole content at once.
    static bool writeFile(const QString& path, const QByteArray& content, QString* error = nullptr);
    // Copies in pieces, so a large source is never held in memory whole.
    static bool copyFile(const QString& from, const QString& to, QString* error = nullptr);
    // Copies into a folder that is thrown away whole when anything fails:
    // the file is written in place and not synced to disk on its own (for
    // thousands of small files the syncs were nearly all the time); call
    // syncFileSystem() once before the folder is used.
    static bool copyFileToScratch(const QString& from, const QString& to, QString* error = nullptr);
    // Puts everything written so far on the file system holding path on disk.
    static bool syncFileSystem(const QString& path, QString* error = nullptr);

    // Test seam: the n-th write from now on (1 = the next, counted over all
    // writers) fails as a full disk would; 0 switches it off.
    static void failWriteNumber(int n);

private:
    bool fail(const QString& reason);
    // The file's own error, else the system's last one: a short write sets
    // no error on the file.
    QString systemReason() const;

    QSaveFile m_file;
    QString m_error;
};

} // namespace aptui
