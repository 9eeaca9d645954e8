// Renders the capacity page and the section bar to PNG files:
//   QT_QPA_PLATFORM=offscreen render_capacity [output folder]
#include "BandWidthPage/BandWidthPage.h"
#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "SectionBar/SectionBar.h"

#include <data/DeviceTypes.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QMenu>
#include <QPixmap>
#include <QStyleFactory>
#include <QTextStream>
#include <QWidget>

namespace {

StructDeviceItem group(int number, const QString& type, const QString& name, int channels, const QString& resolution,
                       const QString& frameRate, const QString& scene, double bitrate)
{
    StructDeviceItem item;
    item.deviceType = type;
    item.channelName = QStringLiteral("%1(%2)").arg(name).arg(number);
    item.sceneName = scene;
    item.encodingType = QStringLiteral("H.264");
    item.streamCount = 1;
    item.channelCount = channels;
    item.resolution = resolution;
    item.frameRate = frameRate;
    item.bitrate = bitrate;
    item.groupNumber = number;
    return item;
}

bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    // Let relayouts triggered by the new figures settle before drawing.
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = widget.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The shell gives the program a 9 point application font at start-up;
    // the family stays the platform's, so "Arial" in the figures still finds
    // its metric twin on Linux.
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    bool ok = folder.exists();

    CapacityCalculation page;
    page.resize(1000, 700);
    page.show();
    ok &= save(page, folder, QStringLiteral("capacity_empty.png"));

    DeviceAddPage* devices = page.deviceAddPage();
    devices->onAddDeviceTypeItem(group(1, QStringLiteral("IPC"), QStringLiteral("Lobby"), 8,
                                       QStringLiteral("1080P"), QStringLiteral("25"), QString(), 2048));
    devices->onAddDeviceTypeItem(group(2, QStringLiteral("DVR"), QStringLiteral("Parking"), 16,
                                       QStringLiteral("4K"), QString(), QStringLiteral("Parking Lot"), 6144));
    devices->onAddDeviceTypeItem(group(3, QStringLiteral("IPC"), QStringLiteral("Warehouse Gate"), 4,
                                       QStringLiteral("720P"), QStringLiteral("15"), QString(), 537));
    page.showNormalPage();
    page.setCurrentSection(0);
    ok &= save(page, folder, QStringLiteral("capacity_bandwidth.png"));

    CodeParameter question;
    question.bandwidth = 20 * 1024;
    question.streamCount = 4;
    question.encodingType = QStringLiteral("H.264");
    page.onCalculationCodeParameter(question);
    page.setCurrentSection(1);
    page.setMinimumWidth(400);
    ok &= save(page, folder, QStringLiteral("capacity_encoding.png"));

    // The fonts follow the page height: a large and a small window.
    page.resize(1400, 900);
    ok &= save(page, folder, QStringLiteral("capacity_encoding_large.png"));
    page.resize(760, 650);
    ok &= save(page, folder, QStringLiteral("capacity_encoding_small.png"));

    // The widest total the device list can report.
    BandWidthPage totals;
    totals.onSetAllCount(QStringLiteral("1536"), QStringLiteral("1024"), QStringLiteral("512"),
                         QStringLiteral("1024.0"), QStringLiteral("Mpbs"));
    totals.resize(228, 687);
    totals.show();
    ok &= save(totals, folder, QStringLiteral("bandwidth_page_wide.png"));

    SectionBar bar;
    bar.resize(110, 675);
    bar.show();
    ok &= save(bar, folder, QStringLiteral("section_bar.png"));
    bar.switchEncodingTab();
    ok &= save(bar, folder, QStringLiteral("section_bar_encoding.png"));

    // The export panel lives inside the (hidden) popup menu.
    if (auto* panel = bar.findChild<QWidget*>(QStringLiteral("ExportMenuAction_ID_FX_CANNOT_BE_MULTI"))) {
        bar.onPopupExport();
        ok &= save(*panel, folder, QStringLiteral("export_menu.png"));
    }
    return ok ? 0 : 1;
}
