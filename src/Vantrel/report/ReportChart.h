#pragma once

#include <QObject>
#include <QSizeF>
#include <QString>
#include <QTextObjectInterface>
#include <QVector>

class PlanReport;
class QTextCursor;
class QTextDocument;

// The bar chart of the bandwidth per group, drawn with a painter into the
// report's text as it is laid out. Being drawn rather than pasted as a
// picture, it stays sharp at any zoom, its labels are text a reader can
// search, and a long plan's chart is cut into pieces that each fit a page.
class ReportChart : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kObjectType = QTextFormat::UserObject + 1;
    // Bars per piece: a piece never needs to break across pages.
    static constexpr int kBarsPerPiece = 30;

    // The document owns the chart.
    ReportChart(const PlanReport& report, QTextDocument* document, qreal unitsPerPoint);

    // Asking for the layout lays the whole document out: called once the
    // text and the page size are final, so that happens only once.
    void registerWithLayout(QTextDocument* document);

    // Puts the whole chart at the cursor, piece by piece.
    void insert(QTextCursor& cursor, qreal width) const;

    QSizeF intrinsicSize(QTextDocument* document, int positionInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int positionInDocument,
                    const QTextFormat& format) override;

private:
    struct Bar
    {
        QString label;
        double kbps = 0;
    };

    qreal rowHeight() const;

    QVector<Bar> m_bars;
    double m_maxKbps = 0;
    qreal m_unitsPerPoint;
};
