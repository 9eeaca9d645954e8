// The device add page with the shop example's groups, at the widths where
// the cards change their arrangement.

#include "DeviceAddPage/DeviceAddPage.h"
#include "Parts.h"
#include "PlanDocument.h"
#include "RenderSupport.h"

#include <QTextStream>
#include <QWidget>

bool renderAddPage(const QDir& outDir, bool printGeometry)
{
    PlanDocument document{ QString() };
    DeviceAddPage page;
    page.setDocument(&document);
    if (!loadFirstExample(document))
        return false;

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
