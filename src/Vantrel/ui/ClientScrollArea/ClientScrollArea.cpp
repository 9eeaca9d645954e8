#include "ClientScrollArea.h"

#include <QEvent>
#include <QScrollBar>

ClientScrollArea::ClientScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("m_clientScrollArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    // The window's own background shows through.
    viewport()->setAutoFillBackground(false);
}

ClientScrollArea::~ClientScrollArea() = default;

void ClientScrollArea::setContent(QWidget* content)
{
    setWidget(content);
    content->setAutoFillBackground(false);
    // A wider editor (scene mode) changes the content's minimum size.
    content->installEventFilter(this);
    fitContent();
}

bool ClientScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        fitContent();
    return QScrollArea::eventFilter(watched, event);
}

void ClientScrollArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    fitContent();
}

void ClientScrollArea::fitContent()
{
    QWidget* content = widget();
    if (!content)
        return;
    const QSize minimum = content->minimumSizeHint().expandedTo(content->minimumSize());
    // The scroll bars take their room only when they are needed.
    QSize room = maximumViewportSize();
    if (minimum.width() > room.width())
        room.rheight() -= horizontalScrollBar()->sizeHint().height();
    if (minimum.height() > room.height())
        room.rwidth() -= verticalScrollBar()->sizeHint().width();
    content->resize(room.expandedTo(minimum));
}
