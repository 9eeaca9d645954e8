// Draws the skin's images so they stay simple to change and reproduce.
//   make_icons <source>/plugins/skins/CommonSkin
// and the program's icon in the desktop's sizes, for the package:
//   make_icons --hicolor <source>/packaging/icons

#include "SkinArt.h"
#include "StoredPng.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

struct Picture
{
    QString path;     // below the skin folder
    QSize size;       // logical pixels
    Draw draw;
    bool hiDpi = true; // also write a name@2x.png twice the size
};

QImage render(const QSize& size, qreal scale, const Draw& draw)
{
    QImage image(qRound(size.width() * scale), qRound(size.height() * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return image;
}

// The skin's pictures are stored unpacked (StoredPng); the desktop's icons,
// which the program never reads, are packed as usual.
enum class Packing { Stored, Packed };

bool save(const QImage& image, const QString& path, Packing packing = Packing::Stored)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool ok = packing == Packing::Stored ? StoredPng::write(image, path) : image.save(path, "PNG");
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

bool write(const QString& root, const Picture& picture)
{
    const QString path = QDir(root).filePath(picture.path);
    bool ok = save(render(picture.size, 1.0, picture.draw), path);
    if (picture.hiDpi) {
        // Qt picks name@2x.png by itself on a screen with twice the density.
        QString doubled = path;
        doubled.insert(doubled.size() - 4, QStringLiteral("@2x"));
        ok &= save(render(picture.size, 2.0, picture.draw), doubled);
    }
    return ok;
}

template<typename F>
Draw tinted(F glyph, const QColor& colour)
{
    return [glyph, colour](QPainter& p) { glyph(p, colour); };
}

QList<Picture> pictures()
{
    using namespace SkinArt;
    const QString program = QStringLiteral("Vantrel/Images/Vantrel/");
    const QString controls = program + QStringLiteral("Controls/");
    const QString tabs = program + QStringLiteral("SectionBar/");
    const QString editor = program + QStringLiteral("Editor/");
    const QString list = program + QStringLiteral("DeviceList/");
    const QString result = program + QStringLiteral("Result/");
    const QString dialog = program + QStringLiteral("Dialog/");
    const QColor white(Qt::white);

    return {
        // Paths the shell and the program name in code.
        // The windows' icon: decoded at every start, so no larger than a
        // title bar or task switcher shows it; menus and launchers take
        // the desktop entry's icons.
        {program + QStringLiteral("Vantrel.png"), {64, 64}, [](QPainter& p) { appIcon(p, 64); }},
        {program + QStringLiteral("logo_qzt_36.png"), {36, 36}, [](QPainter& p) { logo(p, 36); }, false},
        {QStringLiteral("Morvane/Images/Morvane/DeviceInfo/icon_state_ok.png"), {16, 16},
         [](QPainter& p) { stateIcon(p, 16, true); }, false},
        {QStringLiteral("Morvane/Images/Morvane/DeviceInfo/icon_state_error.png"), {16, 16},
         [](QPainter& p) { stateIcon(p, 16, false); }, false},

        // Images the style sheets name.
        {tabs + QStringLiteral("tab_bandwidth.png"), {28, 28}, tinted(tabBandwidth, Colour::glyph)},
        {tabs + QStringLiteral("tab_bandwidth_checked.png"), {28, 28}, tinted(tabBandwidth, Colour::accent)},
        {tabs + QStringLiteral("tab_encoding.png"), {28, 28}, tinted(tabEncoding, Colour::glyph)},
        {tabs + QStringLiteral("tab_encoding_checked.png"), {28, 28}, tinted(tabEncoding, Colour::accent)},
        {tabs + QStringLiteral("tab_storage.png"), {28, 28}, tinted(tabStorage, Colour::glyph)},
        {tabs + QStringLiteral("tab_storage_checked.png"), {28, 28}, tinted(tabStorage, Colour::accent)},
        {tabs + QStringLiteral("tab_network.png"), {28, 28}, tinted(tabNetwork, Colour::glyph)},
        {tabs + QStringLiteral("tab_network_checked.png"), {28, 28}, tinted(tabNetwork, Colour::accent)},

        {editor + QStringLiteral("spread_collapse.png"), {8, 12}, tinted(chevronLeft, Colour::glyph)},
        {editor + QStringLiteral("spread_collapse_hover.png"), {8, 12}, tinted(chevronLeft, Colour::accent)},
        {editor + QStringLiteral("spread_expand.png"), {8, 12}, tinted(chevronRight, Colour::glyph)},
        {editor + QStringLiteral("spread_expand_hover.png"), {8, 12}, tinted(chevronRight, Colour::accent)},

        {controls + QStringLiteral("arrow_down.png"), {10, 6}, tinted(arrowDown, Colour::glyph)},
        {controls + QStringLiteral("arrow_down_disabled.png"), {10, 6}, tinted(arrowDown, Colour::glyphOff)},
        {controls + QStringLiteral("arrow_up.png"), {10, 6}, tinted(arrowUp, Colour::accent)},
        {controls + QStringLiteral("spin_up.png"), {8, 5}, tinted(spinUp, Colour::glyph)},
        {controls + QStringLiteral("spin_up_disabled.png"), {8, 5}, tinted(spinUp, Colour::glyphOff)},
        {controls + QStringLiteral("spin_down.png"), {8, 5}, tinted(spinDown, Colour::glyph)},
        {controls + QStringLiteral("spin_down_disabled.png"), {8, 5}, tinted(spinDown, Colour::glyphOff)},
        {controls + QStringLiteral("check.png"), {10, 8}, tinted(checkMark, white)},

        {list + QStringLiteral("device_ipc.png"), {28, 28}, [](QPainter& p) { deviceIpc(p); }},
        {list + QStringLiteral("device_dvr.png"), {26, 26}, [](QPainter& p) { deviceDvr(p); }},
        {list + QStringLiteral("delete.png"), {16, 16}, tinted(trash, Colour::glyph)},
        {list + QStringLiteral("delete_hover.png"), {16, 16}, tinted(trash, Colour::danger)},
        {list + QStringLiteral("empty_list.png"), {90, 90}, [](QPainter& p) { emptyList(p); }},

        {result + QStringLiteral("bandwidth_art.png"), {200, 189}, [](QPainter& p) { bandwidthArt(p); }},

        {dialog + QStringLiteral("export.png"), {16, 16}, tinted(exportMark, Colour::accent)},
        {dialog + QStringLiteral("import.png"), {16, 16}, tinted(importMark, white)},
    };
}

// The about box's logo tile, as the desktop's menus and file managers
// show the program and its plan files.
bool writeDesktopIcons(const QString& root)
{
    bool ok = true;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString path = QStringLiteral("%1/%2x%2/apps/vantrel.png").arg(root).arg(size);
        ok &= save(render({size, size}, 1.0, [size](QPainter& p) { SkinArt::appIcon(p, size); }), path,
                   Packing::Packed);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: make_icons <CommonSkin folder> | --hicolor <icons folder>\n";
        return 2;
    }
    if (argc == 3 && QByteArray(argv[1]) == "--hicolor")
        return writeDesktopIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const Picture& picture : pictures())
        ok &= write(root, picture);
    return ok ? 0 : 1;
}
