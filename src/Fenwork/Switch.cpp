#include "Switch.h"

#include <QPainter>
#include <QPainterPath>

namespace aptui {

Switch::Switch(QWidget* parent)
    : QAbstractButton(parent)
    , m_onText(QStringLiteral("ON"))
    , m_offText(QStringLiteral("OFF"))
{
    setCheckable(true);
    setChecked(true);
    setCursor(Qt::PointingHandCursor);
}

Switch::~Switch() = default;

void Switch::setOnText(const QString& text)
{
    m_onText = text;
    update();
}

void Switch::setOffText(const QString& text)
{
    m_offText = text;
    update();
}

void Switch::setOn(bool on)
{
    const QSignalBlocker blocker(this);
    setChecked(on);
    update();
}

QSize Switch::sizeHint() const
{
    return QSize(84, 24);
}

void Switch::nextCheckState()
{
    QAbstractButton::nextCheckState();
    if (isChecked())
        Q_EMIT signalON();
    else
        Q_EMIT signalOFF();
}

void Switch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = area.height() / 2.0;
    const QColor accent(0x5e, 0x6f, 0xec);
    const QColor track = isChecked() ? accent : QColor(0xb8, 0xbc, 0xc8);

    QPainterPath pill;
    pill.addRoundedRect(area, radius, radius);
    painter.fillPath(pill, isEnabled() ? track : track.lighter(130));
    if (hasFocus()) {
        // The keyboard is here: a darker ring inside the edge.
        const QRectF ring = area.adjusted(1.0, 1.0, -1.0, -1.0);
        painter.setPen(QPen(QColor(0x2c, 0x36, 0x9c), 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(ring, ring.height() / 2.0, ring.height() / 2.0);
    }

    const qreal knob = area.height() - 4.0;
    const qreal knobX = isChecked() ? area.right() - knob - 2.0 : area.left() + 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(knobX, area.top() + 2.0, knob, knob));

    QRectF textArea = area;
    if (isChecked())
        textArea.setRight(knobX - 2.0);
    else
        textArea.setLeft(knobX + knob + 2.0);
    painter.setPen(Qt::white);
    QFont textFont = font();
    textFont.setBold(true);
    painter.setFont(textFont);
    painter.drawText(textArea, Qt::AlignCenter, isChecked() ? m_onText : m_offText);
}

} // namespace aptui
