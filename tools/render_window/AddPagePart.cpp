// The device add page with a fixed-rate IPC group, a fixed-rate DVR group and
// a scene group, at the widths where the cards change their arrangement.

#include "DeviceAddPage/DeviceAddPage.h"
#include "Parts.h"
#include "PlanDocument.h"
#include "RenderSupport.h"

#include <DeviceGroupBuilder.h>

#include <QTextStream>
#include <QWidget>

bool renderAddPage(const QDir& outDir, bool printGeometry)
{
    PlanDocument document{ QString() };
    DeviceAddPage page;
    page.setDocument(&document);
    page.onAddDeviceTypeItem(DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Lobby"), 1)
                                 .channels(8, 2)
                                 .rate(4096));
    page.onAddDeviceTypeItem(DeviceGroupBuilder(QStringLiteral("DVR"), QStringLiteral("Store Room Recorder"), 2)
                                 .channels(16)
                                 .resolution(QStringLiteral("32MP(7680x4320)"))
                                 .frameRate(QStringLiteral("1/16"))
                                 .rate(163840)
                                 .encoding(QStringLiteral("Smart H.265")));
    page.onAddDeviceTypeItem(DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Car Park"), 3)
                                 .channels(512, 512)
                                 .scene(QStringLiteral("Parking Lot"))
                                 .rate(2457.6)
                                 .encoding(QStringLiteral("H.265+")));

    QTextStream out(stdout);
    bool ok = true;
    for (int width : {700, 800, 1000}) {
        page.resize(width, 300);
        page.show();
        ok &= saveShot(page, outDir, QStringLiteral("add_page_%1.png").arg(width));
        if (!printGeometry)
            continue;
        for (QWidget* card : page.findChildren<QWidget*>(QStringLiteral("DeviceItemWidget"))) {
            out << "  card " << card->x() << "," << card->y() << " " << card->width() << "x" << card->height();
            for (QWidget* child : card->findChildren<QWidget*>()) {
                if (child->isVisible())
                    out << "\n    " << child->objectName() << " " << child->x() << "," << child->y() << " "
                        << child->width() << "x" << child->height();
            }
            out << Qt::endl;
        }
    }
    return ok;
}
