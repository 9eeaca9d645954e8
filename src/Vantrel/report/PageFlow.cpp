#include "PageFlow.h"

#include "ReportPages.h"
#include "ReportStyle.h"

#include <QPagedPaintDevice>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// Room at the bottom of each page's text area for the footer, in points.
constexpr qreal kFooterPoints = 20;

} // namespace

PageFlow::PageFlow(QPagedPaintDevice* device, QPainter* painter, const QString& title, int pages,
                   const ProgressStep& progress)
    : m_device(device)
    , m_painter(painter)
    , m_title(title)
    , m_pages(pages)
    , m_perPoint(device->logicalDpiY() / 72.0)
    , m_progress(progress)
{
    // The painter starts at the paint rectangle's corner, in device pixels.
    const QRectF area = device->pageLayout().paintRect(QPageLayout::Point);
    m_width = area.width() * m_perPoint;
    m_height = (area.height() - kFooterPoints) * m_perPoint;
}

bool PageFlow::reserve(qreal height)
{
    if (m_y + height <= m_height || atPageTop())
        return true;
    return newPage();
}

bool PageFlow::newPage()
{
    footer();
    if (m_painter && (!mayContinue(m_progress, m_page, m_pages) || !m_device->newPage()))
        return false;
    ++m_page;
    m_y = 0;
    return true;
}

void PageFlow::finish()
{
    footer();
}

void PageFlow::footer()
{
    if (!m_painter)
        return;
    QPainter* painter = m_painter;
    const qreal top = m_height + points(6);
    painter->setPen(QPen(ReportStyle::kGrid, points(0.6)));
    painter->drawLine(QPointF(0, top), QPointF(m_width, top));
    painter->setPen(ReportStyle::kFooterText);
    const QRectF line(0, top + points(2), m_width, points(10));
    const QString number = ReportPages::tr("Page %1 of %2").arg(m_page).arg(m_pages);
    const QFont numberFont = ReportStyle::font(number, ReportStyle::kFooterPoints);
    painter->setFont(numberFont);
    painter->drawText(line, Qt::AlignRight | Qt::AlignVCenter, number);
    // The title gives way to the page number where both would meet.
    const QFont font = ReportStyle::font(m_title, ReportStyle::kFooterPoints);
    painter->setFont(font);
    const QFontMetricsF metrics(font, m_device);
    const qreal room = m_width - QFontMetricsF(numberFont, m_device).horizontalAdvance(number) - points(24);
    painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(m_title, Qt::ElideRight, room));
}
