#include "ReportChart.h"

#include "ReportDocument.h"
#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBar(0x5e, 0x6f, 0xec);
const QColor kText(0x2e, 0x33, 0x40);
const QColor kGrid(0xe2, 0xe6, 0xec);

enum Property { FirstBar = QTextFormat::UserProperty + 10, BarCount, Width };

constexpr qreal kFontPoints = 7.5;
constexpr qreal kLabelShare = 0.32;
constexpr qreal kValueShare = 0.14;

} // namespace

ReportChart::ReportChart(const PlanReport& report, QTextDocument* document, qreal unitsPerPoint)
    : QObject(document)
    , m_unitsPerPoint(unitsPerPoint)
{
    m_bars.reserve(report.groups().size());
    for (const PlanReport::Group& group : report.groups()) {
        m_bars.append({QStringLiteral("%1 %2").arg(group.number).arg(group.name), group.bandwidthKbps});
        m_maxKbps = std::max(m_maxKbps, group.bandwidthKbps);
    }
}

void ReportChart::registerWithLayout(QTextDocument* document)
{
    document->documentLayout()->registerHandler(kObjectType, this);
}

void ReportChart::insert(QTextCursor& cursor, qreal width) const
{
    for (int first = 0; first < m_bars.size(); first += kBarsPerPiece) {
        QTextCharFormat piece;
        piece.setObjectType(kObjectType);
        piece.setProperty(FirstBar, first);
        piece.setProperty(BarCount, std::min<int>(kBarsPerPiece, int(m_bars.size()) - first));
        piece.setProperty(Width, width);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), piece);
        if (first + kBarsPerPiece < m_bars.size())
            cursor.insertBlock();
    }
}

qreal ReportChart::rowHeight() const
{
    return kFontPoints * 1.6 * m_unitsPerPoint;
}

QSizeF ReportChart::intrinsicSize(QTextDocument*, int, const QTextFormat& format)
{
    return QSizeF(format.doubleProperty(Width), format.intProperty(BarCount) * rowHeight());
}

void ReportChart::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format)
{
    const int first = format.intProperty(FirstBar);
    const int count = format.intProperty(BarCount);
    QFont font;
    font.setFamilies(ReportDocument::fontFamilies());
    font.setPixelSize(std::max(1, int(std::lround(kFontPoints * m_unitsPerPoint))));
    const QFontMetricsF metrics(font);

    const qreal labelWidth = rect.width() * kLabelShare;
    const qreal valueWidth = rect.width() * kValueShare;
    const qreal barSpace = rect.width() - labelWidth - valueWidth;
    const qreal row = rowHeight();

    painter->save();
    painter->setFont(font);
    painter->setPen(QPen(kGrid, 0));
    painter->drawLine(QPointF(rect.left() + labelWidth, rect.top()),
                      QPointF(rect.left() + labelWidth, rect.top() + count * row));
    for (int index = 0; index < count && first + index < m_bars.size(); ++index) {
        const Bar& bar = m_bars.at(first + index);
        const QRectF line(rect.left(), rect.top() + index * row, rect.width(), row);
        const QRectF label(line.left(), line.top(), labelWidth - 4 * m_unitsPerPoint, row);
        painter->setPen(kText);
        painter->drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                          metrics.elidedText(bar.label, Qt::ElideRight, label.width()));
        const qreal length = m_maxKbps > 0 ? barSpace * bar.kbps / m_maxKbps : 0;
        const QRectF barRect(line.left() + labelWidth, line.top() + row * 0.18, length, row * 0.64);
        painter->fillRect(barRect, kBar);
        painter->drawText(QRectF(barRect.right() + 3 * m_unitsPerPoint, line.top(), valueWidth, row),
                          Qt::AlignLeft | Qt::AlignVCenter, ReportTexts::kbps(bar.kbps));
    }
    painter->restore();
}
