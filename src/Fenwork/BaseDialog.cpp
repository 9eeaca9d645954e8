#include "BaseDialog.h"

#include "PlainText.h"
#include "WindowSheets.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace aptui {

BaseDialog::BaseDialog(bool showIcon, bool showMinimize, bool showMaximize, bool resizable,
                       bool showClose, bool modal, bool showBottom, QWidget* parent)
    : QDialog(parent)
{
    Q_UNUSED(showMinimize)
    Q_UNUSED(showMaximize)
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Dialog);
    setModal(modal);
    setAttribute(Qt::WA_StyledBackground);
    WindowSheets::dress(this, QStringLiteral("Dialogs"));
    if (!resizable)
        setSizeGripEnabled(false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("BaseDialog_titleBar"));
    m_titleBar->setAttribute(Qt::WA_StyledBackground);
    m_titleBar->setFixedHeight(36);
    m_titleBar->installEventFilter(this);
    auto* titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(12, 0, 6, 0);
    titleLayout->setSpacing(6);
    m_iconLabel = new QLabel(m_titleBar);
    m_iconLabel->setObjectName(QStringLiteral("BaseDialog_icon"));
    m_iconLabel->setFixedSize(16, 16);
    m_iconLabel->setScaledContents(true);
    m_iconLabel->setVisible(showIcon);
    m_titleLabel = new QLabel(m_titleBar);
    m_titleLabel->setObjectName(QStringLiteral("BaseDialog_title"));
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_closeButton = new QToolButton(m_titleBar);
    m_closeButton->setObjectName(QStringLiteral("BaseDialog_btnClose"));
    m_closeButton->setFixedSize(24, 24);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setText(QStringLiteral("\u2715"));
    m_closeButton->setVisible(showClose);
    titleLayout->addWidget(m_iconLabel);
    titleLayout->addWidget(m_titleLabel, 1);
    titleLayout->addWidget(m_closeButton);
    outer->addWidget(m_titleBar);

    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("BaseDialog_body"));
    m_centerLayout = new QVBoxLayout(body);
    m_centerLayout->setContentsMargins(20, 16, 20, 16);
    m_textLabel = new QLabel(body);
    m_textLabel->setObjectName(QStringLiteral("BaseDialog_text"));
    // Messages quote file names and the content of refused files.
    m_textLabel->setTextFormat(Qt::PlainText);
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_centerLayout->addWidget(m_textLabel);
    outer->addWidget(body, 1);

    m_bottomBar = new QWidget(this);
    m_bottomBar->setObjectName(QStringLiteral("BaseDialog_bottomBar"));
    auto* bottomLayout = new QHBoxLayout(m_bottomBar);
    bottomLayout->setContentsMargins(20, 8, 20, 16);
    bottomLayout->addStretch(1);
    m_okButton = new QPushButton(tr("OK"), m_bottomBar);
    m_okButton->setObjectName(QStringLiteral("BaseDialog_btnOk"));
    m_okButton->setMinimumSize(88, 30);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), m_bottomBar);
    m_cancelButton->setObjectName(QStringLiteral("BaseDialog_btnCancel"));
    m_cancelButton->setMinimumSize(88, 30);
    bottomLayout->addWidget(m_okButton);
    bottomLayout->addWidget(m_cancelButton);
    bottomLayout->addStretch(1);
    m_bottomBar->setVisible(showBottom);
    outer->addWidget(m_bottomBar);

    connect(m_closeButton, &QToolButton::clicked, this, &BaseDialog::onCancelClicked);
    connect(m_okButton, &QPushButton::clicked, this, &BaseDialog::onOkClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &BaseDialog::onCancelClicked);
}

BaseDialog::~BaseDialog() = default;

void BaseDialog::setCenterWidget(QWidget* widget)
{
    if (widget == m_centerWidget)
        return;
    if (m_centerWidget) {
        m_centerLayout->removeWidget(m_centerWidget);
        m_centerWidget->hide();
    }
    m_centerWidget = widget;
    m_textLabel->setVisible(!widget);
    if (widget) {
        widget->setParent(m_centerLayout->parentWidget());
        m_centerLayout->addWidget(widget, 1);
        widget->show();
    }
}

void BaseDialog::setTitle(const QString& title)
{
    m_titleLabel->setText(title);
    setWindowTitle(PlainText::windowTitle(title));
}

QString BaseDialog::title() const
{
    return m_titleLabel->text();
}

void BaseDialog::SetFixedSize(int width, int height)
{
    setFixedSize(width, height);
}

void BaseDialog::setEnableDefaultConnections(bool enable)
{
    m_defaultConnections = enable;
}

void BaseDialog::setBottomVisible(bool visible)
{
    m_bottomBar->setVisible(visible);
}

bool BaseDialog::isBottomVisible() const
{
    return !m_bottomBar->isHidden();
}

void BaseDialog::setDefaultText(const QString& text)
{
    m_textLabel->setText(text);
}

QString BaseDialog::defaultText() const
{
    return m_textLabel->text();
}

void BaseDialog::setButtonTexts(const QString& okText, const QString& cancelText)
{
    m_okButton->setText(okText);
    m_cancelButton->setText(cancelText);
}

QPushButton* BaseDialog::addButton(const QString& text, int result)
{
    auto* button = new QPushButton(text, m_bottomBar);
    button->setObjectName(QStringLiteral("BaseDialog_btn%1").arg(result));
    button->setMinimumSize(88, 30);
    auto* layout = static_cast<QHBoxLayout*>(m_bottomBar->layout());
    layout->insertWidget(layout->indexOf(m_cancelButton), button);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void BaseDialog::setCancelVisible(bool visible)
{
    m_cancelButton->setVisible(visible);
}

void BaseDialog::onOkClicked()
{
    Q_EMIT signalOkClicked();
    if (m_defaultConnections)
        accept();
}

void BaseDialog::onCancelClicked()
{
    Q_EMIT signalCancelClicked();
    if (m_defaultConnections)
        reject();
}

bool BaseDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_titleBar && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && windowHandle()) {
            windowHandle()->startSystemMove();
            return true;
        }
    }
    if (event->type() == QEvent::WindowIconChange && watched == this)
        m_iconLabel->setPixmap(windowIcon().pixmap(16, 16));
    return QDialog::eventFilter(watched, event);
}

QRect BaseDialog::centredGeometry() const
{
    QRect area;
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    if (anchor == this)
        anchor = nullptr;
    if (anchor && anchor->isVisible()) {
        area = anchor->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    QRect placed(QPoint(0, 0), size());
    if (area.isValid())
        placed.moveCenter(area.center());
    return placed;
}

void BaseDialog::showEvent(QShowEvent* event)
{
    // Left to itself the dialog waits for a window manager to place it; a
    // frameless one, or one without a window manager, lands in the screen's
    // corner. Moved here, before the window appears, it opens in place.
    if (isWindow() && !testAttribute(Qt::WA_Moved))
        move(centredGeometry().topLeft());
    QDialog::showEvent(event);
}

void BaseDialog::paintEvent(QPaintEvent* event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QDialog::paintEvent(event);
}

} // namespace aptui
