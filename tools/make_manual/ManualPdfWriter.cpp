#include "ManualPdfWriter.h"

#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>

#include <cmath>

namespace {

const QColor kBand(0x5e, 0x6f, 0xec);
const QColor kBandAccent(0x00, 0xc8, 0xec);
const QColor kFooterText(0x8c, 0x94, 0xa3);
const QColor kFooterRule(0xe2, 0xe6, 0xec);

// Page geometry in millimetres.
constexpr qreal kPageWidth = 210;
constexpr qreal kPageHeight = 297;
constexpr qreal kMarginSide = 22;
constexpr qreal kMarginTop = 22;
constexpr qreal kMarginBottom = 24;
constexpr qreal kFooterBaseline = 14; // above the bottom edge

// The text is laid out in the units of the screen the fonts were resolved
// for, as a window would show it, and the painter scales it to the PDF.
qreal layoutDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

QFont footerFont(qreal unitsPerPoint)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::lround(7.5 * unitsPerPoint)));
    return font;
}

} // namespace

bool ManualPdfWriter::write(ManualDocument& manual, const QString& pdfPath, int* pageCount, QString* error)
{
    const qreal dpi = layoutDpi();
    const qreal unitsPerMm = dpi / 25.4;
    const QSizeF page(kPageWidth * unitsPerMm, kPageHeight * unitsPerMm);
    const QRectF body(kMarginSide * unitsPerMm, kMarginTop * unitsPerMm, (kPageWidth - 2 * kMarginSide) * unitsPerMm,
                      (kPageHeight - kMarginTop - kMarginBottom) * unitsPerMm);
    manual.layOut(body.width());
    const QList<ManualDocument::PageSlice> slices = manual.pageSlices(body.height());
    const int pages = int(slices.size());
    if (pageCount)
        *pageCount = pages;
    QTextDocument& document = manual.document();

    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(1200);
        writer.setTitle(manual.title());
        writer.setCreator(QStringLiteral("Vantrel make_manual"));

        QPainter painter(&writer);
        if (!painter.isActive()) {
            if (error)
                *error = QStringLiteral("cannot paint into %1").arg(pdfPath);
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(writer.resolution() / dpi, writer.resolution() / dpi);
        const qreal unitsPerPoint = dpi / 72.0;

        for (int index = 0; index < pages; ++index) {
            if (index > 0)
                writer.newPage();

            if (index == 0) {
                painter.fillRect(QRectF(0, 0, page.width(), 7 * unitsPerMm), kBand);
                painter.fillRect(QRectF(0, 7 * unitsPerMm, page.width(), 1.2 * unitsPerMm), kBandAccent);
            }

            // This page's slice of the long page the text was laid out on.
            const qreal top = slices.at(index).top;
            const qreal bottom = slices.at(index).bottom;
            painter.save();
            painter.translate(body.left(), body.top() - top);
            painter.setClipRect(QRectF(-body.left(), top, page.width(), bottom - top));
            QAbstractTextDocumentLayout::PaintContext context;
            // Lines that merely touch the slice belong to the page before or after.
            context.clip = QRectF(-body.left(), top + 0.5, page.width(), bottom - top - 1);
            document.documentLayout()->draw(&painter, context);
            painter.restore();

            const qreal footerY = page.height() - kFooterBaseline * unitsPerMm;
            painter.setPen(QPen(kFooterRule, 0.6 * unitsPerPoint));
            painter.drawLine(QPointF(body.left(), footerY - 5 * unitsPerMm), QPointF(body.right(), footerY - 5 * unitsPerMm));
            painter.setFont(footerFont(unitsPerPoint));
            painter.setPen(kFooterText);
            const QRectF footer(body.left(), footerY - 4 * unitsPerMm, body.width(), 5 * unitsPerMm);
            painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, manual.title());
            painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(index + 1).arg(pages));
        }
        if (!painter.end()) {
            if (error)
                *error = QStringLiteral("cannot finish %1").arg(pdfPath);
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
        return false;
    }
    return true;
}
