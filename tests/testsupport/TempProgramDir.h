#pragma once

#include <QByteArray>
#include <QMap>
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

    // A file's bytes, empty when it cannot be read.
    static QByteArray readFile(const QString& path);
    // The scene set as the program sees it in a folder: the table and every
    // picture, by name.
    static QMap<QString, QByteArray> sceneSet(const QString& folder);

private:
    QString m_shippedPath;
    QTemporaryDir m_dir;
};
