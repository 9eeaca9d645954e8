#include "SceneArt.h"

#include "Scenes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace SceneDrawing;

namespace {

// The fixed date in every picture's on-screen display: the pictures must not
// change from one run to the next.
const QString kTimestamp = QStringLiteral("2024-06-18  09:42:17");

void drawTimestamp(QPainter& p)
{
    const QRectF box(6, 6, 122, 15);
    fillRect(p, box, withAlpha(kGrey800, 120), 3);
    drawText(p, box, kTimestamp, Qt::white, 9, true);
}

QColor badgeColour(int detail)
{
    switch (detail) {
    case 3: return kIndigo;
    case 2: return kBlue;
    case 1: return QColor(0x00, 0xa6, 0xc6);
    default: return kGrey500;
    }
}

void drawBadge(QPainter& p, const QString& label, int detail)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const qreal w = metrics.horizontalAdvance(label) + 12;
    const QRectF badge(SceneArt::kWidth - w - 6, 6, w, 17);
    fillRect(p, badge.translated(0, 1), withAlpha(kGrey800, 40), 4);
    fillRect(p, badge, badgeColour(detail), 4);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(badge, Qt::AlignCenter, label);
}

quint32 seedFor(SceneArt::Kind kind)
{
    return 0x5eC0FFEEu + quint32(kind) * 7919u;
}

} // namespace

SceneArt::Kind SceneArt::kindFromSceneName(const QString& sceneName)
{
    const QString name = sceneName.toLower();
    if (name.contains(QLatin1String("office")))
        return Kind::Office;
    if (name.contains(QLatin1String("parking")))
        return Kind::ParkingLot;
    if (name.contains(QLatin1String("road")) || name.contains(QLatin1String("street")))
        return Kind::Road;
    if (name.contains(QLatin1String("shop")) || name.contains(QLatin1String("store")))
        return Kind::Shop;
    if (name.contains(QLatin1String("warehouse")))
        return Kind::Warehouse;
    if (name.contains(QLatin1String("hospital")))
        return Kind::Hospital;
    return Kind::Other;
}

double SceneArt::detailScale(qint64 pixels)
{
    if (pixels <= 0)
        return 1.0;
    return std::clamp(std::sqrt(double(pixels) / (2560.0 * 1440.0)), 0.4, 2.0);
}

QImage SceneArt::render(Kind kind, const QString& sceneName, const QString& resolutionLabel, qint64 pixels)
{
    const double scale = detailScale(pixels);
    const int detail = scale >= 1.25 ? 3 : scale >= 0.9 ? 2 : scale >= 0.65 ? 1 : 0;
    const QSize drawSize(int(std::lround(kWidth * scale)), int(std::lround(kHeight * scale)));

    QImage drawing(drawSize, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(double(drawSize.width()) / kWidth, double(drawSize.height()) / kHeight);
        Canvas canvas{painter, detail, Rng(seedFor(kind))};
        switch (kind) {
        case Kind::Office: drawOffice(canvas); break;
        case Kind::Road: drawRoad(canvas); break;
        case Kind::ParkingLot: drawParkingLot(canvas); break;
        case Kind::Shop: drawShop(canvas); break;
        case Kind::Warehouse: drawWarehouse(canvas); break;
        case Kind::Hospital: drawHospital(canvas); break;
        case Kind::Other: drawOther(canvas, sceneName); break;
        }
        drawTimestamp(painter);
    }

    QImage picture = drawSize == QSize(kWidth, kHeight)
        ? drawing
        : drawing.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = picture.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        drawBadge(painter, resolutionLabel, detail);
    }
    return picture;
}
