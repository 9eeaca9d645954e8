#include "AboutDialog.h"

#include <data/ProgramVersion.h>

#include <Fenwork/TargetPath.h>
#include <Fenwork/WarningDlg.h>
#include <Sarnet/ToolApplicationHull.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
bool isManual(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && info.suffix() == QLatin1String("pdf");
}

// The desktop's opener starts a helper and reports success even when that
// helper finds no program for PDF files; asked first, the helper says so.
bool openWithDesktopViewer(const QUrl& url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!query.isEmpty()) {
        QProcess process;
        process.start(query, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")});
        if (process.waitForFinished(3000) && process.exitCode() == 0
            && process.readAllStandardOutput().trimmed().isEmpty()) {
            return false;
        }
    }
#endif
    return QDesktopServices::openUrl(url);
}
} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : aptui::DialogAbout(parent)
    , m_openUrl(&openWithDesktopViewer)
{
    SetNameValue(apt::ToolApplicationHull::instance()->appName());
    SetBtn1Text(tr("User Help"));
    SetBtn2Text(tr("Update Scence"));
    SetVersionValue(versionText());
    setConerBtnVisible(false);
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::versionText()
{
    return tr("v3.0.0.1build") + ProgramVersion::buildDay();
}

QString AboutDialog::buildDateNumber(const QString& compilerDate)
{
    return ProgramVersion::buildDateNumber(compilerDate);
}

QString AboutDialog::manualPath()
{
    // The translation names the manual of the user's language (help_zh.pdf
    // in Chinese); a folder without it still has the English one to offer.
    QStringList names = { tr("/help.pdf"), QStringLiteral("/help.pdf") };
    names.removeDuplicates();
    for (const QString& name : std::as_const(names)) {
        const QString inWorkingFolder = QDir::currentPath() + name;
        if (isManual(inWorkingFolder))
            return inWorkingFolder;
        // Started from a shortcut or a terminal elsewhere, the manual still
        // sits beside the program like every other data file.
        const QString besideProgram = QDir::cleanPath(aptui::GetTargetPath() + name);
        if (isManual(besideProgram))
            return besideProgram;
    }
    return QString();
}

void AboutDialog::setUrlOpener(UrlOpener opener)
{
    m_openUrl = std::move(opener);
}

bool AboutDialog::onGetHelp()
{
    const QString path = manualPath();
    if (path.isEmpty()) {
        showNotice(tr("No user manual found."));
        return false;
    }
    if (!m_openUrl(QUrl::fromLocalFile(path))) {
        // Where the manual is, so it can be opened some other way.
        showNotice(tr("No program to open PDF files is installed. The user manual is %1")
                       .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

void AboutDialog::showNotice(const QString& text)
{
    Q_EMIT signalCover();
    aptui::WarningDlg::ShowMessageInfo(tr("Hint"), text, parentWidget());
    Q_EMIT signalDiscover();
}
