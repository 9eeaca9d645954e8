#include "ToolMainWindow.h"

#include <QHBoxLayout>

#include "DialogAbout.h"
#include "Menu.h"
#include "PlainText.h"
#include "ToolCover.h"
#include "ToolTitleBar.h"
#include "Widget.h"
#include "WindowSheets.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <QWindow>

namespace aptui {

namespace {
// How far from the window's border a press starts a resize.
constexpr int kEdgeMargin = 5;

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool mainDiagonal = (edges & Qt::LeftEdge && edges & Qt::TopEdge)
            || (edges & Qt::RightEdge && edges & Qt::BottomEdge);
        return mainDiagonal ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}
} // namespace

ToolMainWindow::ToolMainWindow(QWidget* parent, Qt::WindowFlags flags)
    // The frame's whole set of flags from the start: setting them later, once
    // the children exist, rebuilds and restyles every child.
    : QMainWindow(parent, flags | Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinMaxButtonsHint)
{
    setObjectName(QStringLiteral("ToolMainWindow"));

    m_frame = new Widget(this);
    m_frame->setObjectName(QStringLiteral("ToolMainWindow_frame"));
    auto* layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    m_titleBar = new ToolTitleBar(m_frame);
    m_client = new Widget(m_frame);
    m_client->setObjectName(QStringLiteral("ToolMainWindow_client"));
    m_bodyLayout = new QHBoxLayout;
    m_bodyLayout->setContentsMargins(0, 0, 0, 0);
    m_bodyLayout->setSpacing(0);
    m_bodyLayout->addWidget(m_client, 1);
    layout->addWidget(m_titleBar);
    layout->addLayout(m_bodyLayout, 1);
    setCentralWidget(m_frame);

    // The cover is made at its first use: hidden until a modal question, it
    // would only be styled with the first screen.
    m_client->installEventFilter(this);

    m_aboutMenu = new Menu(this);
    m_aboutMenu->setObjectName(QStringLiteral("ToolMainWindow_aboutMenu"));
    connect(m_titleBar, &ToolTitleBar::signalAboutClicked, this, &ToolMainWindow::showAboutMenu);
}

ToolMainWindow::~ToolMainWindow() = default;

QWidget* ToolMainWindow::getSetupUiWidget() const
{
    return m_client;
}

void ToolMainWindow::setSpecialWidget(QWidget* widget, Qt::Alignment alignment)
{
    if (m_specialWidget && m_specialWidget != widget) {
        m_bodyLayout->removeWidget(m_specialWidget);
        if (m_titleBar->specialWidget() == m_specialWidget)
            m_titleBar->setSpecialWidget(nullptr, alignment);
        m_specialWidget->hide();
    }
    m_specialWidget = widget;
    if (!widget)
        return;
    m_bodyLayout->removeWidget(widget);
    if (alignment & (Qt::AlignLeft | Qt::AlignRight)) {
        widget->setParent(m_frame);
        m_bodyLayout->insertWidget(alignment & Qt::AlignLeft ? 0 : m_bodyLayout->count(), widget);
        // Before the window shows, the widget comes up with it and is laid
        // out once with the rest; shown now it would be styled and measured
        // on its own first.
        if (isVisible() || widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            widget->show();
    } else {
        m_titleBar->setSpecialWidget(widget, alignment);
    }
}

QWidget* ToolMainWindow::specialWidget() const
{
    return m_specialWidget;
}

void ToolMainWindow::setAppTitle(const QString& title)
{
    m_titleBar->setTitle(title);
    setWindowTitle(PlainText::windowTitle(title));
}

QString ToolMainWindow::appTitle() const
{
    return m_titleBar->title();
}

void ToolMainWindow::setAboutDialog(DialogAbout* dialog)
{
    m_makeAboutDialog = nullptr;
    if (dialog == m_aboutDialog)
        return;
    m_aboutMenu->clear(); // deletes the action and with it the previous box
    m_aboutDialog = dialog;
    if (dialog) {
        auto* action = new QWidgetAction(m_aboutMenu);
        action->setDefaultWidget(dialog);
        m_aboutMenu->addAction(action);
    }
    m_titleBar->setAboutVisible(dialog != nullptr);
}

void ToolMainWindow::setAboutDialogMaker(std::function<DialogAbout*()> make)
{
    setAboutDialog(nullptr);
    m_makeAboutDialog = std::move(make);
    m_titleBar->setAboutVisible(bool(m_makeAboutDialog));
}

DialogAbout* ToolMainWindow::aboutDialog() const
{
    return m_aboutDialog;
}

DialogAbout* ToolMainWindow::madeAboutDialog()
{
    if (m_aboutDialog || !m_makeAboutDialog)
        return m_aboutDialog;
    DialogAbout* dialog = m_makeAboutDialog();
    m_makeAboutDialog = nullptr;
    if (!dialog)
        return nullptr;
    auto* action = new QWidgetAction(m_aboutMenu);
    action->setDefaultWidget(dialog);
    const QList<QAction*> actions = m_aboutMenu->actions();
    m_aboutMenu->insertAction(actions.isEmpty() ? nullptr : actions.constFirst(), action);
    m_aboutDialog = dialog;
    return dialog;
}

Menu* ToolMainWindow::aboutMenu() const
{
    return m_aboutMenu;
}

ToolTitleBar* ToolMainWindow::windowTitle() const
{
    return m_titleBar;
}

void ToolMainWindow::showAboutMenu()
{
    if (!madeAboutDialog())
        return;
    // Not when the menus are made: the window polishes them with itself,
    // and their own rules would be parsed then.
    WindowSheets::dress(m_aboutMenu, QStringLiteral("Menus"));
    for (QAction* action : m_aboutMenu->actions()) {
        if (QMenu* submenu = action->menu())
            WindowSheets::dress(submenu, QStringLiteral("Menus"));
    }
    // Right edge of the popup under the right edge of the button.
    QToolButton* button = m_titleBar->aboutButton();
    const QSize size = m_aboutMenu->sizeHint();
    const QPoint below = button->mapToGlobal(QPoint(button->width() - size.width(), button->height()));
    m_aboutMenu->popup(below);
}

void ToolMainWindow::setWindowAtrrib(bool translucent, bool stayOnTop)
{
    const bool wasVisible = isVisible();
    Qt::WindowFlags flags = windowFlags() | Qt::Window | Qt::FramelessWindowHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
    flags.setFlag(Qt::WindowStaysOnTopHint, stayOnTop);
    if (flags != windowFlags())
        setWindowFlags(flags);
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    // Changing the flags hides a shown window.
    if (wasVisible && !isVisible())
        show();
}

bool ToolMainWindow::isCovered() const
{
    return m_cover && !m_cover->isHidden();
}

ToolCover* ToolMainWindow::cover() const
{
    return m_cover;
}

void ToolMainWindow::enableCover()
{
    setCover(true);
}

void ToolMainWindow::disableCover()
{
    setCover(false);
}

void ToolMainWindow::setCover(bool on)
{
    if (on) {
        if (!m_cover)
            m_cover = new ToolCover(m_frame);
        m_cover->setGeometry(m_client->geometry());
        m_cover->raise();
        m_cover->show();
    } else if (m_cover) {
        m_cover->hide();
    }
}

bool ToolMainWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WinIdChange:
    case QEvent::PlatformSurface:
        watchWindowHandle();
        break;
    case QEvent::WindowIconChange:
        m_titleBar->setIcon(windowIcon());
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

bool ToolMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && m_cover && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        m_cover->setGeometry(m_client->geometry());
    else if (watched == m_handle && filterWindowEvent(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void ToolMainWindow::watchWindowHandle()
{
    // The native window sees every mouse event before the widgets do, so the
    // edges work wherever a child widget reaches the border.
    QWindow* handle = windowHandle();
    if (handle == m_handle)
        return;
    if (m_handle)
        m_handle->removeEventFilter(this);
    m_handle = handle;
    if (handle)
        handle->installEventFilter(this);
}

Qt::Edges ToolMainWindow::edgesAt(const QPoint& pos) const
{
    Qt::Edges edges;
    if (isMaximized() || isFullScreen() || minimumSize() == maximumSize())
        return edges;
    if (pos.x() < kEdgeMargin)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kEdgeMargin)
        edges |= Qt::RightEdge;
    if (pos.y() < kEdgeMargin)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - kEdgeMargin)
        edges |= Qt::BottomEdge;
    return edges;
}

void ToolMainWindow::updateEdgeCursor(Qt::Edges edges)
{
    if (edges == m_cursorEdges)
        return;
    m_cursorEdges = edges;
    if (edges)
        setCursor(cursorFor(edges));
    else
        unsetCursor();
}

bool ToolMainWindow::filterWindowEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_resizeEdges) {
            resizeByHand(mouse->globalPosition().toPoint());
            return true;
        }
        if (mouse->buttons() == Qt::NoButton)
            updateEdgeCursor(edgesAt(mouse->position().toPoint()));
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const Qt::Edges edges = edgesAt(mouse->position().toPoint());
        if (!edges)
            return false;
        if (!m_handle->startSystemResize(edges)) {
            // No window manager to ask: resize by hand.
            m_resizeEdges = edges;
            m_resizePressGlobal = mouse->globalPosition().toPoint();
            m_resizeStartGeometry = geometry();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_resizeEdges) {
            m_resizeEdges = {};
            return true;
        }
        return false;
    case QEvent::Leave:
        updateEdgeCursor({});
        return false;
    default:
        return false;
    }
}

void ToolMainWindow::resizeByHand(const QPoint& globalPos)
{
    const QPoint delta = globalPos - m_resizePressGlobal;
    QRect rect = m_resizeStartGeometry;
    const QSize minSize = minimumSize();
    const QSize maxSize = maximumSize();
    auto clampWidth = [&](int w) { return qBound(minSize.width(), w, maxSize.width()); };
    auto clampHeight = [&](int h) { return qBound(minSize.height(), h, maxSize.height()); };
    if (m_resizeEdges & Qt::LeftEdge) {
        const int w = clampWidth(rect.width() - delta.x());
        rect.setLeft(rect.right() + 1 - w);
    } else if (m_resizeEdges & Qt::RightEdge) {
        rect.setWidth(clampWidth(rect.width() + delta.x()));
    }
    if (m_resizeEdges & Qt::TopEdge) {
        const int h = clampHeight(rect.height() - delta.y());
        rect.setTop(rect.bottom() + 1 - h);
    } else if (m_resizeEdges & Qt::BottomEdge) {
        rect.setHeight(clampHeight(rect.height() + delta.y()));
    }
    setGeometry(rect);
}

} // namespace aptui
