#include "Vantrel.h"

#include <Fenwork/ToolTitleBar.h>
#include <Fenwork/WarningDlg.h>

#include <QCloseEvent>
#include <QIcon>

Vantrel::Vantrel(QWidget* parent, Qt::WindowFlags flags)
    : aptui::ToolMainWindow(parent, flags)
{
    // The children (section bar, device editor, capacity calculation area)
    // are built here, before the frame's icon and title.

    setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/logo_qzt_36.png")));
    setAppTitle(tr("Vantrel"));

    // The about box goes to setAboutDialog() here.

    windowTitle()->setRestoreSize(QSize(1024, 720), QSize(10000, 10000));
    setMinimumSize(1024, 720);

    // The first tab switch, the connections between the children and the
    // style reload go here.

    // Last: the frame's flags, after every child exists.
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowAtrrib(false, false);
}

Vantrel::~Vantrel() = default;

void Vantrel::closeEvent(QCloseEvent* event)
{
    enableCover();
    if (aptui::WarningDlg::CheckMessageInfo(tr("Exit"), tr("Exit the Morvane software?"), this) == 1) {
        event->accept();
    } else {
        disableCover();
        event->ignore();
    }
    disableCover();
}
