#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away program folder: while it lives, the program looks for its
// data files there. Start empty or as a copy of the shipped data.
class TempProgramDir
{
public:
    enum Contents { Empty, ShippedData };

    explicit TempProgramDir(Contents contents = Empty);
    ~TempProgramDir();
    TempProgramDir(const TempProgramDir&) = delete;
    TempProgramDir& operator=(const TempProgramDir&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const;
    QString filePath(const QString& name) const;

    // Writes UTF-8 text, creating folders as needed.
    bool write(const QString& name, const QByteArray& content) const;
    bool writeLines(const QString& name, const QStringList& lines) const;
    bool remove(const QString& name) const;

    // The folder of the running executable, where the build put the data.
    static QString shippedDataPath();

private:
    QString m_shippedPath;
    QTemporaryDir m_dir;
};
