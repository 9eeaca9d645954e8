// Renders the device add page offscreen with a fixed-rate IPC group, a
// fixed-rate DVR group and a scene group, at the widths where the cards change
// their arrangement, so the layout can be checked by eye.
//   render_add_page [output folder] [--geometry]
// --geometry also prints where each card's widgets ended up.

#include "DeviceAddPage/DeviceAddPage.h"

#include <data/DeviceTypes.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStyleFactory>
#include <QTextStream>

namespace {

StructDeviceItem fixedGroup(const QString& type, const QString& name, int number, int streams, int channels,
                            const QString& resolution, const QString& frameRate, double bitrate,
                            const QString& encoding)
{
    StructDeviceItem group;
    group.deviceType = type;
    group.channelName = QStringLiteral("%1(%2)").arg(name).arg(number);
    group.groupNumber = number;
    group.streamCount = streams;
    group.channelCount = channels;
    group.resolution = resolution;
    group.frameRate = frameRate;
    group.bitrate = bitrate;
    group.encodingType = encoding;
    return group;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStringList arguments = QApplication::arguments();
    const QDir outDir(arguments.size() > 1 && !arguments.at(1).startsWith(QLatin1String("--"))
                          ? arguments.at(1)
                          : QStringLiteral("/tmp"));

    DeviceAddPage page;
    page.onAddDeviceTypeItem(fixedGroup(QStringLiteral("IPC"), QStringLiteral("Lobby"), 1, 2, 8,
                                        QStringLiteral("1080P(1920x1080)"), QStringLiteral("25"), 4096,
                                        QStringLiteral("H.264")));
    page.onAddDeviceTypeItem(fixedGroup(QStringLiteral("DVR"), QStringLiteral("Store Room Recorder"), 2, 1, 16,
                                        QStringLiteral("32MP(7680x4320)"), QStringLiteral("1/16"), 163840,
                                        QStringLiteral("Smart H.265")));
    StructDeviceItem scene = fixedGroup(QStringLiteral("IPC"), QStringLiteral("Car Park"), 3, 512, 512,
                                        QStringLiteral("1080P(1920x1080)"), QString(), 2457.6,
                                        QStringLiteral("H.265+"));
    scene.sceneName = QStringLiteral("Parking Lot");
    page.onAddDeviceTypeItem(scene);

    QTextStream out(stdout);
    for (int width : {700, 800, 1000}) {
        page.resize(width, 300);
        page.show();
        // The list lays its rows out from a timer, the cards follow: let
        // every round of posted work finish before drawing.
        for (int round = 0; round < 5; ++round)
            QApplication::processEvents();
        const QString path = outDir.filePath(QStringLiteral("add_page_%1.png").arg(width));
        if (!page.grab().save(path)) {
            out << "cannot write " << path << Qt::endl;
            return 1;
        }
        out << path << Qt::endl;
        if (arguments.contains(QStringLiteral("--geometry"))) {
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
    }
    return 0;
}
