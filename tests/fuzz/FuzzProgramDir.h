#pragma once

#include <Fenwork/TargetPath.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A program folder holding the shipped data files, made once per fuzzing
// process; a harness replaces one file for an input and puts it back.
class FuzzProgramDir
{
public:
    static FuzzProgramDir& instance()
    {
        static FuzzProgramDir dir;
        return dir;
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes content in place of a shipped file until restore().
    void replace(const QString& name, const QByteArray& content)
    {
        m_replaced = name;
        write(name, content);
    }

    void restore()
    {
        if (m_replaced.isEmpty())
            return;
        QFile::remove(filePath(m_replaced));
        QFile::copy(QStringLiteral(VANTREL_SHIPPED_DATA) + QLatin1Char('/') + m_replaced, filePath(m_replaced));
        m_replaced.clear();
    }

    void write(const QString& name, const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(filePath(name)).absolutePath());
        QFile file(filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }

private:
    FuzzProgramDir()
    {
        copyTree(QStringLiteral(VANTREL_SHIPPED_DATA), m_dir.path());
        aptui::SetTargetPath(m_dir.path());
    }

    static void copyTree(const QString& from, const QString& to)
    {
        QDir().mkpath(to);
        const QDir source(from);
        for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString target = to + QLatin1Char('/') + entry.fileName();
            if (entry.isDir())
                copyTree(entry.absoluteFilePath(), target);
            else
                QFile::copy(entry.absoluteFilePath(), target);
        }
    }

    QTemporaryDir m_dir;
    QString m_replaced;
};
