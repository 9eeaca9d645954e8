#include "AboutDialog.h"

#include <Fenwork/TargetPath.h>
#include <Fenwork/WarningDlg.h>
#include <Sarnet/ToolApplicationHull.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {
bool isManual(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && info.suffix() == QLatin1String("pdf");
}
} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : aptui::DialogAbout(parent)
    , m_openUrl(&QDesktopServices::openUrl)
{
    SetNameValue(apt::ToolApplicationHull::instance()->appName());
    SetBtn1Text(tr("User Help"));
    SetBtn2Text(tr("Update Scence"));
    SetVersionValue(tr("v3.0.0.1build") + buildDateNumber(QString::fromLatin1(__DATE__)));
    setConerBtnVisible(false);
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::buildDateNumber(const QString& compilerDate)
{
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    const int month = months.indexOf(compilerDate.left(3)) + 1;
    const int day = compilerDate.mid(4, 2).trimmed().toInt();
    const QString year = compilerDate.mid(7, 4);
    return year + QString::asprintf("%02d%02d", month, day);
}

QString AboutDialog::manualPath() const
{
    const QString name = tr("/help.pdf");
    const QString inWorkingFolder = QDir::currentPath() + name;
    if (isManual(inWorkingFolder))
        return inWorkingFolder;
    // Started from a shortcut or a terminal elsewhere, the manual still sits
    // beside the program like every other data file.
    const QString besideProgram = QDir::cleanPath(aptui::GetTargetPath() + name);
    if (isManual(besideProgram))
        return besideProgram;
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
        showNotice(tr("Open User's Manual fail."));
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
