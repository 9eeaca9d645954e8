// The report of a 20-group plan as PDF, in the language setup.xml chooses
// (report.pdf, report-zh.pdf), for pictures of its pages. The plan is the
// one the report tests use, with the site's properties and a logo, dated
// so that the pages stay the same.

#include "Parts.h"
#include "RenderSupport.h"
#include "ReportPlans.h"

#include <report/ReportWriter.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

// A customer's logo: a mark and a name, as a PNG.
QByteArray logo()
{
    QImage image(640, 200, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1f, 0x6f, 0x8b));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(10, 20, 160, 160));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF{QPointF(90, 45), QPointF(145, 145), QPointF(35, 145)});
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(64);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x1f, 0x6f, 0x8b));
    painter.drawText(QRectF(190, 20, 450, 160), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("NORTHGATE"));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

bool renderReport(const QDir& outDir)
{
    const QString suffix = installLanguageOfSetup();
    const bool chinese = !suffix.isEmpty();
    const QString path = outDir.filePath(QStringLiteral("report%1.pdf").arg(suffix));
    PlanData plan = ReportPlans::plan(20, chinese);
    plan.customer = chinese ? QStringLiteral("北门物流有限公司") : QStringLiteral("Northgate Logistics Ltd.");
    plan.address = chinese ? QStringLiteral("港湾路 14 号，3 号码头") : QStringLiteral("14 Harbour Road, Dock 3, Northport");
    plan.designer = chinese ? QStringLiteral("王工") : QStringLiteral("J. Lindqvist");
    plan.logo = logo();
    QString error;
    const bool ok = ReportWriter::writePdf(plan, path, &error, QDate(2024, 5, 17));
    QTextStream(stdout) << (ok ? QStringLiteral("wrote ") + path : QStringLiteral("FAILED ") + error) << '\n';
    return ok;
}
