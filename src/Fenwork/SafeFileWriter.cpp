#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace aptui {

namespace {
std::atomic<int> g_writesUntilFailure{0};

QString tr(const char* text)
{
    return QCoreApplication::translate("aptui::SafeFileWriter", text);
}

bool injectedFailure()
{
    int left = g_writesUntilFailure.load();
    while (left > 0) {
        if (g_writesUntilFailure.compare_exchange_weak(left, left - 1))
            return left == 1;
    }
    return false;
}
} // namespace

SafeFileWriter::SafeFileWriter(const QString& path)
    : m_file(path)
{
    // Some file systems cannot rename over a file; a half-written direct
    // write is exactly what this class exists to avoid.
    m_file.setDirectWriteFallback(false);
}

SafeFileWriter::~SafeFileWriter()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

void SafeFileWriter::failWriteNumber(int n)
{
    g_writesUntilFailure.store(n > 0 ? n : 0);
}

QString SafeFileWriter::systemReason() const
{
    if (m_file.error() != QFileDevice::NoError)
        return m_file.errorString();
    const int code = errno;
    return code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : tr("the data could not be written");
}

bool SafeFileWriter::fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(m_file.fileName()), reason);
    if (m_file.isOpen())
        m_file.cancelWriting();
    return false;
}

bool SafeFileWriter::open()
{
    m_error.clear();
    if (!m_file.open(QIODevice::WriteOnly))
        return fail(m_file.errorString());
    return true;
}

bool SafeFileWriter::write(const QByteArray& data)
{
    if (!m_error.isEmpty() || !m_file.isOpen())
        return fail(tr("the file is not open"));
    if (injectedFailure())
        return fail(tr("No space left on device"));
    // A disk that fills up mid-way takes part of the data and reports no
    // error; only the next write meets the full disk and says so.
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 n = m_file.write(data.constData() + written, data.size() - written);
        if (n <= 0)
            return fail(systemReason());
        written += n;
    }
    return true;
}

bool SafeFileWriter::commit()
{
    if (!m_error.isEmpty() || !m_file.isOpen())
        return fail(tr("the file is not open"));
    // QSaveFile buffers: a full disk often shows only here, and commit()
    // alone would not stop the rename of what little reached the disk.
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError)
        return fail(systemReason());
    if (!m_file.commit())
        return fail(systemReason());
    return true;
}

bool SafeFileWriter::writeFile(const QString& path, const QByteArray& content, QString* error)
{
    SafeFileWriter writer(path);
    const bool ok = writer.open() && writer.write(content) && writer.commit();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}

bool SafeFileWriter::copyFile(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(from), source.errorString());
        return false;
    }
    SafeFileWriter writer(to);
    bool ok = writer.open();
    while (ok && !source.atEnd()) {
        const QByteArray piece = source.read(64 * 1024);
        if (piece.isEmpty() && source.error() != QFileDevice::NoError) {
            if (error)
                *error = tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(from), source.errorString());
            return false;
        }
        ok = writer.write(piece);
    }
    ok = ok && writer.commit();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}

bool SafeFileWriter::copyFileToScratch(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(from), source.errorString());
        return false;
    }
    QFile target(to);
    auto cannotWrite = [&target, &to, error](const QString& reason) {
        if (error)
            *error = tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(to), reason);
        target.close();
        return false;
    };
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return cannotWrite(target.errorString());
    while (!source.atEnd()) {
        const QByteArray piece = source.read(64 * 1024);
        if (piece.isEmpty() && source.error() != QFileDevice::NoError) {
            if (error)
                *error = tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(from), source.errorString());
            return false;
        }
        if (injectedFailure())
            return cannotWrite(tr("No space left on device"));
        if (target.write(piece) != piece.size())
            return cannotWrite(target.errorString());
    }
    // A full disk often shows only when the buffer goes out.
    if (!target.flush() || target.error() != QFileDevice::NoError)
        return cannotWrite(target.errorString());
    target.close();
    return true;
}

bool SafeFileWriter::syncFileSystem(const QString& path, QString* error)
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::syncfs(fd) == 0;
    const int reason = errno;
    if (fd >= 0)
        ::close(fd);
    if (!ok && error)
        *error = tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), qt_error_string(reason));
    return ok;
#else
#ifdef Q_OS_UNIX
    ::sync();
#endif
    Q_UNUSED(path)
    Q_UNUSED(error)
    return true;
#endif
}

} // namespace aptui
