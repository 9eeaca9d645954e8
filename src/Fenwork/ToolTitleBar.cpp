#include "ToolTitleBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QWindow>

namespace aptui {

namespace {
enum class Glyph { About, Minimize, Maximize, Restore, Close };

// The window buttons draw their own white line glyphs, so the bar looks the
// same whether or not a skin provides images.
QIcon glyphIcon(Glyph glyph)
{
    const int size = 16;
    const qreal ratio = 2.0;
    QPixmap pixmap(int(size * ratio), int(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::About:
        p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
        p.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
        break;
    case Glyph::Minimize:
        p.drawLine(QPointF(3, 8.5), QPointF(13, 8.5));
        break;
    case Glyph::Maximize:
        p.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    case Glyph::Restore: {
        p.drawRect(QRectF(3.5, 5.5, 7, 7));
        QPainterPath back;
        back.moveTo(5.5, 5.5);
        back.lineTo(5.5, 3.5);
        back.lineTo(12.5, 3.5);
        back.lineTo(12.5, 10.5);
        back.lineTo(10.5, 10.5);
        p.drawPath(back);
        break;
    }
    case Glyph::Close:
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return QIcon(pixmap);
}
} // namespace

ToolTitleBar::ToolTitleBar(QWidget* parent)
    : Widget(parent)
{
    setObjectName(QStringLiteral("ToolMainWindow_titleBar"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(48);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 0, 6, 0);
    layout->setSpacing(8);

    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("TitleBar_icon"));
    m_iconLabel->setFixedSize(24, 24);
    m_iconLabel->setScaledContents(true);
    m_iconLabel->hide();
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("TitleBar_title"));
    // The title names the open plan's file.
    m_titleLabel->setTextFormat(Qt::PlainText);

    m_leftSlot = new QHBoxLayout;
    m_centerSlot = new QHBoxLayout;
    m_rightSlot = new QHBoxLayout;
    for (QHBoxLayout* slot : {m_leftSlot, m_centerSlot, m_rightSlot}) {
        slot->setContentsMargins(0, 0, 0, 0);
        slot->setSpacing(0);
    }

    m_btnAbout = makeButton(QStringLiteral("TitleBar_btnAbout"));
    m_btnAbout->setIcon(glyphIcon(Glyph::About));
    // It opens the menu of the program, of which About is one entry.
    m_btnAbout->setToolTip(tr("Menu"));
    m_btnAbout->hide();
    m_btnMin = makeButton(QStringLiteral("TitleBar_btnMin"));
    m_btnMin->setIcon(glyphIcon(Glyph::Minimize));
    m_btnMin->setToolTip(tr("Minimize"));
    m_btnMax = makeButton(QStringLiteral("TitleBar_btnMax"));
    m_btnClose = makeButton(QStringLiteral("TitleBar_btnClose"));
    m_btnClose->setIcon(glyphIcon(Glyph::Close));
    m_btnClose->setToolTip(tr("Close"));

    layout->addWidget(m_iconLabel);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(16);
    layout->addLayout(m_leftSlot);
    layout->addStretch(1);
    layout->addLayout(m_centerSlot);
    layout->addStretch(1);
    layout->addLayout(m_rightSlot);
    layout->addWidget(m_btnAbout);
    layout->addWidget(m_btnMin);
    layout->addWidget(m_btnMax);
    layout->addWidget(m_btnClose);

    connect(m_btnAbout, &QToolButton::clicked, this, &ToolTitleBar::signalAboutClicked);
    connect(m_btnMin, &QToolButton::clicked, this, &ToolTitleBar::onMinimizeClicked);
    connect(m_btnMax, &QToolButton::clicked, this, &ToolTitleBar::toggleMaximized);
    connect(m_btnClose, &QToolButton::clicked, this, &ToolTitleBar::onCloseClicked);
    updateMaximizeButton();
}

ToolTitleBar::~ToolTitleBar() = default;

QToolButton* ToolTitleBar::makeButton(const QString& objectName)
{
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    button->setFixedSize(36, 30);
    button->setIconSize(QSize(16, 16));
    return button;
}

void ToolTitleBar::setTitle(const QString& title)
{
    m_titleLabel->setText(title);
}

QString ToolTitleBar::title() const
{
    return m_titleLabel->text();
}

void ToolTitleBar::setIcon(const QIcon& icon)
{
    m_iconLabel->setPixmap(icon.pixmap(QSize(24, 24)));
    m_iconLabel->setVisible(!icon.isNull());
}

void ToolTitleBar::setSpecialWidget(QWidget* widget, Qt::Alignment alignment)
{
    if (m_specialWidget && m_specialWidget != widget) {
        for (QHBoxLayout* slot : {m_leftSlot, m_centerSlot, m_rightSlot})
            slot->removeWidget(m_specialWidget);
        m_specialWidget->hide();
    }
    m_specialWidget = widget;
    if (!widget)
        return;
    for (QHBoxLayout* slot : {m_leftSlot, m_centerSlot, m_rightSlot})
        slot->removeWidget(widget);
    QHBoxLayout* slot = m_leftSlot;
    if (alignment & Qt::AlignRight)
        slot = m_rightSlot;
    else if (alignment & Qt::AlignHCenter)
        slot = m_centerSlot;
    widget->setParent(this);
    slot->addWidget(widget);
    widget->show();
}

QWidget* ToolTitleBar::specialWidget() const
{
    return m_specialWidget;
}

void ToolTitleBar::setRestoreSize(const QSize& size, const QSize& maxSize)
{
    m_restoreSize = size;
    m_maxRestoreSize = maxSize;
    QWidget* top = window();
    if (maxSize.isValid())
        top->setMaximumSize(maxSize);
    if (size.isValid() && !(top->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        top->resize(size.boundedTo(top->maximumSize()));
}

QSize ToolTitleBar::restoreSize() const
{
    return m_restoreSize;
}

QSize ToolTitleBar::maxRestoreSize() const
{
    return m_maxRestoreSize;
}

void ToolTitleBar::setAboutVisible(bool visible)
{
    m_btnAbout->setVisible(visible);
}

void ToolTitleBar::toggleMaximized()
{
    QWidget* top = window();
    if (top == this)
        return;
    if (top->isMaximized())
        top->showNormal();
    else
        top->showMaximized();
}

void ToolTitleBar::onMinimizeClicked()
{
    window()->showMinimized();
}

void ToolTitleBar::onCloseClicked()
{
    window()->close();
}

void ToolTitleBar::updateMaximizeButton()
{
    const bool maximized = window() != this && window()->isMaximized();
    const MaximizeGlyph wanted = maximized ? MaximizeGlyph::Restore : MaximizeGlyph::Maximize;
    if (wanted == m_maximizeGlyph)
        return;
    m_maximizeGlyph = wanted;
    m_btnMax->setIcon(glyphIcon(maximized ? Glyph::Restore : Glyph::Maximize));
    m_btnMax->setToolTip(maximized ? tr("Restore") : tr("Maximize"));
}

void ToolTitleBar::showEvent(QShowEvent* event)
{
    // Follow the state of the window the bar sits in, whoever changes it.
    QWidget* top = window();
    if (top != this && top != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        top->installEventFilter(this);
        m_watchedWindow = top;
    }
    updateMaximizeButton();
    Widget::showEvent(event);
}

bool ToolTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::WindowStateChange)
        updateMaximizeButton();
    return Widget::eventFilter(watched, event);
}

void ToolTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        Widget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_manualMove = false;
    m_pressGlobal = event->globalPosition().toPoint();
    m_windowStart = window()->pos();
    event->accept();
}

void ToolTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton)) {
        Widget::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
    if (m_manualMove) {
        window()->move(m_windowStart + delta);
        return;
    }
    // The move starts once the mouse really moves, so a double click still
    // reaches the bar; the window manager moves the window where it can.
    if (delta.manhattanLength() < QApplication::startDragDistance() || window()->isMaximized())
        return;
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove()) {
        m_pressed = false;
        return;
    }
    m_manualMove = true;
    window()->move(m_windowStart + delta);
}

void ToolTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    m_manualMove = false;
    Widget::mouseReleaseEvent(event);
}

void ToolTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_btnMax->isVisible()) {
        m_pressed = false;
        toggleMaximized();
        event->accept();
        return;
    }
    Widget::mouseDoubleClickEvent(event);
}

} // namespace aptui
