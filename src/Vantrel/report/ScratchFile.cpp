#include "ScratchFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint64 kPieceBytes = 256 * 1024;

} // namespace

ScratchFile::ScratchFile()
    : m_file(QDir::temp().filePath(QStringLiteral("vantrel-XXXXXX.tmp")))
{
}

bool ScratchFile::open(QString* reason)
{
    if (!m_file.open()) {
        if (reason)
            *reason = m_file.errorString();
        return false;
    }
    m_name = QFile::encodeName(m_file.fileName());
#ifdef Q_OS_LINUX
    // The descriptor's own name opens the file after its name is removed.
    const QString anonymous = QStringLiteral("/proc/self/fd/%1").arg(m_file.handle());
    if (QFileInfo::exists(anonymous) && QFile::remove(m_file.fileName())) {
        // The old name may be another program's file by the time this one
        // is destroyed.
        m_file.setAutoRemove(false);
        m_name = QFile::encodeName(anonymous);
    }
#endif
    return true;
}

bool ScratchFile::read(QByteArray* piece, QString* reason)
{
    *piece = m_file.read(kPieceBytes);
    if (m_file.error() == QFileDevice::NoError)
        return true;
    if (reason)
        *reason = m_file.errorString();
    return false;
}
