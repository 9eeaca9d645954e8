#pragma once

#include <data/ProgressStep.h>

#include <QString>

class QPagedPaintDevice;
class QPainter;

// Places a report's parts down its pages: knows the page's text area, where
// the next part goes, when a part must move to a new page, and draws each
// page's footer (title, rule, "Page n of m") as the page is left. Run once
// without a painter to count the pages, then again with one to draw them.
class PageFlow
{
public:
    // painter: null to count only. pages: the count of the first run, for
    // the footers of the second.
    PageFlow(QPagedPaintDevice* device, QPainter* painter, const QString& title, int pages,
             const ProgressStep& progress = {});

    QPainter* painter() const { return m_painter; }
    // What the report is measured for, also while only counting.
    const QPagedPaintDevice* device() const { return m_device; }
    // Device pixels per point.
    qreal perPoint() const { return m_perPoint; }
    qreal points(qreal value) const { return value * m_perPoint; }
    qreal width() const { return m_width; }
    qreal y() const { return m_y; }
    qreal pageHeight() const { return m_height; }
    qreal room() const { return m_height - m_y; }
    bool atPageTop() const { return m_y <= 0; }
    int page() const { return m_page; }

    // Starts a new page unless height fits below what is there; false when
    // the device refused a page or progress cancelled.
    bool reserve(qreal height);
    bool newPage();
    void advance(qreal height) { m_y += height; }
    // Draws the last page's footer.
    void finish();

private:
    void footer();

    QPagedPaintDevice* m_device;
    QPainter* m_painter;
    QString m_title;
    int m_pages;
    qreal m_perPoint;
    qreal m_width;
    qreal m_height;
    qreal m_y = 0;
    int m_page = 1;
    ProgressStep m_progress;
};
