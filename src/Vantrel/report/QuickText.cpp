#include "QuickText.h"

#include <QFont>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QVector>

QuickText::QuickText(const QFont& font, const QPaintDevice* device)
    : m_font(QRawFont::fromFont(font))
{
    if (m_font.isValid() && device)
        m_font.setPixelSize(font.pointSizeF() * device->logicalDpiY() / 72.0);
}

bool QuickText::glyphs(const QString& text, Glyphs* indexes) const
{
    if (!m_font.isValid() || text.isEmpty())
        return false;
    for (const QChar c : text) {
        // Latin, Greek-free: below the combining marks, no controls.
        if (c.unicode() >= 0x0300 || c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            return false;
    }
    indexes->resize(text.size());
    int count = int(indexes->size());
    if (!m_font.glyphIndexesForChars(text.constData(), int(text.size()), indexes->data(), &count)
        || count != text.size())
        return false;
    for (const quint32 glyph : *indexes) {
        if (glyph == 0)
            return false;
    }
    return true;
}

bool QuickText::handles(const QString& text) const
{
    Glyphs indexes;
    return glyphs(text, &indexes);
}

qreal QuickText::width(const QString& text) const
{
    Glyphs indexes;
    if (!glyphs(text, &indexes))
        return -1;
    QVarLengthArray<QPointF, 64> advances(indexes.size());
    m_font.advancesForGlyphIndexes(indexes.constData(), advances.data(), int(indexes.size()), QRawFont::KernedAdvances);
    qreal sum = 0;
    for (const QPointF& advance : advances)
        sum += advance.x();
    return sum;
}

void QuickText::draw(QPainter* painter, const QPointF& baseline, const QString& text) const
{
    Glyphs indexes;
    if (!glyphs(text, &indexes)) {
        painter->drawText(baseline, text);
        return;
    }
    QVarLengthArray<QPointF, 64> advances(indexes.size());
    m_font.advancesForGlyphIndexes(indexes.constData(), advances.data(), int(indexes.size()), QRawFont::KernedAdvances);
    QVector<QPointF> positions(indexes.size());
    qreal x = 0;
    for (qsizetype index = 0; index < indexes.size(); ++index) {
        positions[index] = QPointF(x, 0);
        x += advances.at(index).x();
    }
    QGlyphRun run;
    run.setRawFont(m_font);
    run.setGlyphIndexes(QVector<quint32>(indexes.cbegin(), indexes.cend()));
    run.setPositions(positions);
    painter->drawGlyphRun(baseline, run);
}
