#include "SceneSetInstaller.h"

#include "SceneSetLocation.h"
#include "SceneTable.h"

#include <Fenwork/SafeFileWriter.h>
#include <Fenwork/TargetPath.h>

#include <QCoreApplication>
#include <QDir>
#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

#include <filesystem>
#include <system_error>

namespace {
SceneSetInstaller::StepHook g_stepHook;

QString tr(const char* text)
{
    return QCoreApplication::translate("SceneSetInstaller", text);
}

// Where the set is written: the program folder, or the user's data folder
// when the program may not write to its own.
QString inWritable(const QString& name)
{
    return SceneSetLocation::writableFolder() + name;
}

void reached(SceneSetInstaller::Step step)
{
    if (g_stepHook)
        g_stepHook(step);
}

// Replaces a file or an empty folder in one step where QFile::rename would
// refuse an existing target.
bool moveOver(const QString& from, const QString& to, QString* error)
{
    std::error_code code;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), code);
    if (!code)
        return true;
    if (error) {
        *error = tr("Cannot move %1 to %2: %3")
                     .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to),
                          QString::fromLocal8Bit(code.message()));
    }
    return false;
}

// A lock that was created but never written (the disk filled, the process
// died in between) holds nothing past this age.
constexpr qint64 kUnwrittenLockAgeMs = 2000;

// Takes the import lock: false while another live process holds it. A lock
// of a process that is gone is taken over by QLockFile itself.
bool takeImportLock(QLockFile& lock)
{
    // An import may take as long as it takes: never judged stale by age.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    if (lock.error() != QLockFile::LockFailedError)
        return false;
    qint64 pid = 0;
    QString host;
    QString application;
    const QFileInfo info(lock.fileName());
    const bool unwritten = !lock.getLockInfo(&pid, &host, &application)
        && info.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnwrittenLockAgeMs;
    return unwritten && lock.removeStaleLockFile() && lock.tryLock(0);
}

bool removeFolder(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path) || QDir(path).removeRecursively())
        return true;
    if (error)
        *error = tr("Cannot remove %1").arg(QDir::toNativeSeparators(path));
    return false;
}
} // namespace

QString SceneSetInstaller::stagingFolderName()
{
    return QStringLiteral("SceneStaging");
}

QString SceneSetInstaller::switchFolderName()
{
    return QStringLiteral("SceneSwitch");
}

QString SceneSetInstaller::backupFolderName()
{
    return QStringLiteral("SceneBackup");
}

QString SceneSetInstaller::shippedFolderName()
{
    return QStringLiteral("SceneShipped");
}

QString SceneSetInstaller::importLockName()
{
    return QStringLiteral("SceneImport.lock");
}

void SceneSetInstaller::setStepHook(StepHook hook)
{
    g_stepHook = std::move(hook);
}

bool SceneSetInstaller::install(const QByteArray& table, const QMap<QString, QString>& pictures, QString* error,
                                const ProgressStep& progress)
{
    QDir().mkpath(SceneSetLocation::writableFolder());
    QLockFile lock(inWritable(importLockName()));
    if (!takeImportLock(lock) && lock.error() == QLockFile::LockFailedError) {
        if (error)
            *error = tr("Another scene import is running. Try again when it has finished.");
        return false;
    }
    // Without a lock file (a folder that refuses it) the staging below
    // fails too and says why.
    return installHeld(table, pictures, error, progress);
}

bool SceneSetInstaller::installHeld(const QByteArray& table, const QMap<QString, QString>& pictures,
                                    QString* error, const ProgressStep& progress)
{
    if (!recoverHeld(error))
        return false;
    const QString staging = inWritable(stagingFolderName());
    if (!stage(staging, table, pictures, progress, error)) {
        QDir(staging).removeRecursively();
        return false;
    }
    reached(Step::Staged);
    if (!moveOver(staging, inWritable(switchFolderName()), error)) {
        QDir(staging).removeRecursively();
        return false;
    }
    reached(Step::Committed);
    return rollForward(error);
}

bool SceneSetInstaller::stage(const QString& staging, const QByteArray& table,
                              const QMap<QString, QString>& pictures, const ProgressStep& progress,
                              QString* error)
{
    auto cancelled = [error] {
        if (error)
            error->clear();
        return false;
    };
    if (!mayContinue(progress, 0, pictures.size()))
        return cancelled();
    const QString pictureFolder = staging + QLatin1Char('/') + SceneTable::pictureFolderName();
    const QString previous = staging + QStringLiteral("/Previous");
    if (!removeFolder(staging, error))
        return false;
    if (!QDir().mkpath(pictureFolder) || !QDir().mkpath(previous)) {
        if (error)
            *error = tr("Cannot create %1").arg(QDir::toNativeSeparators(staging));
        return false;
    }
    if (!aptui::SafeFileWriter::writeFile(staging + QLatin1Char('/') + SceneTable::fileName(), table, error))
        return false;

    QStringList failed;
    QString firstError;
    qint64 done = 0;
    for (auto it = pictures.constBegin(); it != pictures.constEnd(); ++it) {
        if (!mayContinue(progress, done++, pictures.size()))
            return cancelled();
        QString pictureError;
        if (!aptui::SafeFileWriter::copyFileToScratch(it.value(), pictureFolder + QLatin1Char('/') + it.key(),
                                                      &pictureError)) {
            failed.append(it.key());
            if (firstError.isEmpty())
                firstError = pictureError;
        }
    }
    if (!failed.isEmpty()) {
        if (error)
            *error = tr("Cannot copy the pictures %1 (%2)").arg(failed.join(QStringLiteral(", ")), firstError);
        return false;
    }

    // The live pictures become the backup when they leave; the live table is
    // replaced in place, so its copy goes along now.
    const QString liveTable = SceneSetLocation::tablePath();
    if (QFileInfo(liveTable).isFile()
        && !aptui::SafeFileWriter::copyFile(liveTable, previous + QLatin1Char('/') + SceneTable::fileName(), error))
        return false;
    // The pictures were not synced one by one: all of them go to disk here,
    // before the switch can make them the live set.
    return aptui::SafeFileWriter::syncFileSystem(staging, error);
}

bool SceneSetInstaller::rollForward(QString* error)
{
    const QString switching = inWritable(switchFolderName());
    const QString newPictures = switching + QLatin1Char('/') + SceneTable::pictureFolderName();
    const QString newTable = switching + QLatin1Char('/') + SceneTable::fileName();
    const QString previous = switching + QStringLiteral("/Previous");
    const QString livePictures = inWritable(SceneTable::pictureFolderName());

    if (QFileInfo(newPictures).isDir()) {
        const QString oldPictures = previous + QLatin1Char('/') + SceneTable::pictureFolderName();
        QDir().mkpath(previous);
        if (QFileInfo::exists(livePictures)) {
            if (QFileInfo::exists(oldPictures) ? !removeFolder(livePictures, error)
                                               : !moveOver(livePictures, oldPictures, error))
                return false;
        }
        if (!moveOver(newPictures, livePictures, error))
            return false;
    }
    reached(Step::PicturesSwitched);

    if (QFileInfo(newTable).isFile() && !moveOver(newTable, inWritable(SceneTable::fileName()), error))
        return false;
    reached(Step::TableSwitched);

    const QString backup = inWritable(backupFolderName());
    if (QFileInfo(previous).isDir() && (!removeFolder(backup, error) || !moveOver(previous, backup, error)))
        return false;
    return removeFolder(switching, error);
}

bool SceneSetInstaller::recover(QString* error)
{
    // Runs at every start, and taking the lock writes and syncs a file on
    // the user's disk: with neither folder there, there is nothing to finish
    // or drop, whatever an import that starts now goes on to do.
    const auto present = [](const QString& name) {
        const QFileInfo info(inWritable(name));
        return info.exists() || info.isSymLink();
    };
    if (!present(switchFolderName()) && !present(stagingFolderName()))
        return true;
    QLockFile lock(inWritable(importLockName()));
    if (!takeImportLock(lock) && lock.error() == QLockFile::LockFailedError)
        return true; // the folders belong to a live import, which finishes them
    return recoverHeld(error);
}

bool SceneSetInstaller::recoverHeld(QString* error)
{
    if (QFileInfo(inWritable(switchFolderName())).isDir() && !rollForward(error))
        return false;
    return removeFolder(inWritable(stagingFolderName()), error);
}

bool SceneSetInstaller::restoreShipped(QString* error)
{
    const QString shipped = aptui::GetTargetPathFile(shippedFolderName());
    const QString table = shipped + QLatin1Char('/') + SceneTable::fileName();
    QFile file(table);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("The shipped scenes are missing: %1").arg(QDir::toNativeSeparators(table));
        return false;
    }
    QMap<QString, QString> pictures;
    const QDir pictureFolder(shipped + QLatin1Char('/') + SceneTable::pictureFolderName());
    for (const QFileInfo& info : pictureFolder.entryInfoList(QDir::Files))
        pictures.insert(info.fileName(), info.absoluteFilePath());
    return install(file.readAll(), pictures, error);
}
