#pragma once

#include <QRawFont>
#include <QString>
#include <QVarLengthArray>

class QFont;
class QPainter;
class QPaintDevice;
class QPointF;

// Short Latin texts drawn from the font's glyphs directly, kerned, without
// the text engine's shaping: a large report's table and chart are hundreds
// of thousands of figures and names, and shaping each took most of the time
// a page cost. A text with a character the font lacks, or one that needs
// shaping (marks, other scripts), is left to the painter's own drawText.
class QuickText
{
public:
    // The font at its size on the device.
    QuickText(const QFont& font, const QPaintDevice* device);

    // False for a text this cannot set.
    bool handles(const QString& text) const;
    // In device pixels; below 0 for a text it does not handle.
    qreal width(const QString& text) const;
    void draw(QPainter* painter, const QPointF& baseline, const QString& text) const;

private:
    using Glyphs = QVarLengthArray<quint32, 64>;
    bool glyphs(const QString& text, Glyphs* indexes) const;

    QRawFont m_font;
};
