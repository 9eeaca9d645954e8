#include "TempProgramDir.h"

#include <Fenwork/TargetPath.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
const QStringList kDataEntries = {
    QStringLiteral("IPCBitrateConfig.xml"), QStringLiteral("DVRBitrateConfig.xml"),
    QStringLiteral("Frame.xml"), QStringLiteral("NetworkConnection.xml"),
    QStringLiteral("Scene.csv"), QStringLiteral("IPCBitrate"), QStringLiteral("DVRBitrate"),
    QStringLiteral("ScenePicture"), QStringLiteral("SceneShipped")};

void copyEntry(const QString& from, const QString& to)
{
    const QFileInfo info(from);
    if (info.isFile()) {
        QFile::copy(from, to);
        return;
    }
    if (!info.isDir())
        return;
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        copyEntry(it.filePath(), to + QLatin1Char('/') + it.fileName());
    }
}
} // namespace

TempProgramDir::TempProgramDir(Contents contents)
    : m_shippedPath(shippedDataPath())
{
    if (contents == ShippedData) {
        for (const QString& entry : kDataEntries)
            copyEntry(m_shippedPath + entry, filePath(entry));
    }
    aptui::SetTargetPath(m_dir.path());
}

TempProgramDir::~TempProgramDir()
{
    aptui::SetTargetPath(QString());
}

QString TempProgramDir::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TempProgramDir::filePath(const QString& name) const
{
    return path() + name;
}

bool TempProgramDir::write(const QString& name, const QByteArray& content) const
{
    const QString target = filePath(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

bool TempProgramDir::writeLines(const QString& name, const QStringList& lines) const
{
    return write(name, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

bool TempProgramDir::remove(const QString& name) const
{
    const QFileInfo info(filePath(name));
    if (info.isDir())
        return QDir(info.absoluteFilePath()).removeRecursively();
    return QFile::remove(info.absoluteFilePath());
}

QString TempProgramDir::shippedDataPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QByteArray TempProgramDir::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> TempProgramDir::sceneSet(const QString& folder)
{
    QMap<QString, QByteArray> set;
    set.insert(QStringLiteral("Scene.csv"), readFile(folder + QStringLiteral("/Scene.csv")));
    const QDir pictures(folder + QStringLiteral("/ScenePicture"));
    for (const QString& name : pictures.entryList(QDir::Files))
        set.insert(name, readFile(pictures.filePath(name)));
    return set;
}
