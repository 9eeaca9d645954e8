#include "ToolCover.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace aptui {

ToolCover::ToolCover(QWidget* parent)
    : QWidget(parent)
    , m_color(18, 22, 40, 115)
{
    setObjectName(QStringLiteral("ToolMainWindow_cover"));
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

ToolCover::~ToolCover() = default;

QColor ToolCover::coverColor() const
{
    return m_color;
}

void ToolCover::setCoverColor(const QColor& color)
{
    m_color = color;
    update();
}

void ToolCover::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

void ToolCover::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ToolCover::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void ToolCover::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

} // namespace aptui
