// Draws the skin's images so they stay simple to change and reproduce.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {
const QColor kAccent(0x5e, 0x6f, 0xec);
const QColor kAccentDark(0x47, 0x56, 0xd4);

QImage canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A video camera (body and lens cone) over three linked network nodes, drawn
// on a 100 x 100 grid.
void drawGlyph(QPainter& p, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(16, 26, 46, 32), 7, 7);
    QPainterPath cone;
    cone.moveTo(65, 37);
    cone.lineTo(84, 27);
    cone.lineTo(84, 57);
    cone.lineTo(65, 47);
    cone.closeSubpath();
    p.drawPath(cone);

    QPen line(color, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(39, 58), QPointF(39, 70));
    p.drawLine(QPointF(22, 78), QPointF(78, 78));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (const qreal x : {22.0, 50.0, 78.0})
        p.drawEllipse(QPointF(x, 78), 6.5, 6.5);
    p.drawEllipse(QPointF(39, 70), 4.5, 4.5);
}

QImage appIcon(int size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    QLinearGradient fill(0, 0, 0, 100);
    fill.setColorAt(0, kAccent.lighter(112));
    fill.setColorAt(1, kAccentDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 22, 22);
    drawGlyph(p, Qt::white);
    return image;
}

// The title-bar logo: a white tile that stands out on the accent bar.
QImage logo(int size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 24, 24);
    drawGlyph(p, kAccent);
    return image;
}

QImage stateIcon(int size, bool ok)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(ok ? QColor(0x2e, 0xb8, 0x6c) : QColor(0xe5, 0x48, 0x4d));
    p.drawEllipse(QRectF(4, 4, 92, 92));
    QPen mark(Qt::white, 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(mark);
    if (ok) {
        p.drawPolyline(QPolygonF({QPointF(29, 52), QPointF(44, 67), QPointF(72, 36)}));
    } else {
        p.drawLine(QPointF(34, 34), QPointF(66, 66));
        p.drawLine(QPointF(66, 34), QPointF(34, 66));
    }
    return image;
}

bool save(const QImage& image, const QString& root, const QString& name)
{
    const QString path = QDir(root).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool ok = image.save(path, "PNG");
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: make_icons <CommonSkin folder>\n";
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    ok &= save(appIcon(256), root, QStringLiteral("Vantrel/Images/Vantrel/Vantrel.png"));
    ok &= save(logo(36), root, QStringLiteral("Vantrel/Images/Vantrel/logo_qzt_36.png"));
    ok &= save(stateIcon(16, true), root, QStringLiteral("Morvane/Images/Morvane/DeviceInfo/icon_state_ok.png"));
    ok &= save(stateIcon(16, false), root, QStringLiteral("Morvane/Images/Morvane/DeviceInfo/icon_state_error.png"));
    return ok ? 0 : 1;
}
