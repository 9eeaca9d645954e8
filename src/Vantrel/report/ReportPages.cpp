#include "ReportPages.h"

#include "ReportDocument.h"
#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>

#include <cmath>

namespace {

const QColor kFooterText(0x8c, 0x94, 0xa3);
const QColor kFooterRule(0xe2, 0xe6, 0xec);

// Room at the bottom of each page's text area for the footer, in points.
constexpr qreal kFooterPoints = 20;

// The text is laid out in the units of the screen the fonts were resolved
// for, as a window would show it, and the painter scales it to the device.
qreal layoutDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

bool ReportPages::paint(const PlanReport& report, QPagedPaintDevice* device, int* pageCount,
                        const ProgressStep& progress)
{
    if (!mayContinue(progress, 0, 1))
        return false;
    const qreal dpi = layoutDpi();
    const qreal unitsPerPoint = dpi / 72.0;
    const QRectF area = device->pageLayout().paintRect(QPageLayout::Point);
    const QSizeF body(area.width() * unitsPerPoint, (area.height() - kFooterPoints) * unitsPerPoint);

    ReportDocument laidOut(report, body, unitsPerPoint);
    QTextDocument* document = laidOut.document();
    const int pages = document->pageCount();
    if (pageCount)
        *pageCount = pages;

    QPainter painter;
    if (!painter.begin(device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal toDevice = device->logicalDpiY() / dpi;
    painter.scale(device->logicalDpiX() / dpi, toDevice);

    QFont footerFont;
    footerFont.setFamilies(ReportDocument::fontFamilies());
    footerFont.setPixelSize(int(std::lround(7 * unitsPerPoint)));
    const QString title = ReportTexts::title(report);

    for (int index = 0; index < pages; ++index) {
        if (!mayContinue(progress, index, pages)) {
            painter.end();
            return false;
        }
        if (index > 0 && !device->newPage())
            return false;
        const qreal top = index * body.height();
        painter.save();
        painter.translate(0, -top);
        painter.setClipRect(QRectF(0, top, body.width(), body.height()));
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, top, body.width(), body.height());
        document->documentLayout()->draw(&painter, context);
        painter.restore();

        const qreal footerTop = body.height() + 6 * unitsPerPoint;
        painter.setPen(QPen(kFooterRule, 0.6 * unitsPerPoint));
        painter.drawLine(QPointF(0, footerTop), QPointF(body.width(), footerTop));
        painter.setFont(footerFont);
        painter.setPen(kFooterText);
        const QRectF footer(0, footerTop + 2 * unitsPerPoint, body.width(), 10 * unitsPerPoint);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, tr("Page %1 of %2").arg(index + 1).arg(pages));
    }
    return painter.end();
}
