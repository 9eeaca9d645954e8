// The report of the office example as PDF, in the language setup.xml
// chooses (report.pdf, report-zh.pdf), for pictures of its pages: the
// example with the site's properties, given a logo, dated so that the pages
// stay the same.

#include "Parts.h"
#include "ExamplePlans.h"
#include "RenderSupport.h"

#include <data/PlanFile.h>
#include <report/ReportWriter.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>

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
    font.setPixelSize(46);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x1f, 0x6f, 0x8b));
    painter.drawText(QRectF(190, 20, 450, 160), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("HARBOUR VIEW"));
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
    const QString path = outDir.filePath(QStringLiteral("report%1.pdf").arg(suffix));
    const QVector<ExamplePlans::Entry> examples = ExamplePlans::available();
    const auto office = std::find_if(examples.cbegin(), examples.cend(), [](const ExamplePlans::Entry& example) {
        return example.path.endsWith(QLatin1String("office-building.vantrel"));
    });
    if (office == examples.cend())
        return false;
    const PlanFile::ReadResult read = PlanFile::read(office->path);
    if (!read.ok)
        return false;
    PlanData plan = read.plan;
    plan.logo = logo();
    QString error;
    const bool ok = ReportWriter::writePdf(plan, path, &error, QDate(2024, 5, 17));
    QTextStream(stdout) << (ok ? QStringLiteral("wrote ") + path : QStringLiteral("FAILED ") + error) << '\n';
    return ok;
}
