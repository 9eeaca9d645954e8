#pragma once

#include "FenworkGlobal.h"
#include "Widget.h"

#include <QIcon>
#include <QPoint>
#include <QSize>

class QHBoxLayout;
class QLabel;
class QToolButton;

namespace aptui {

// The title bar of a frameless main window: icon, title, a slot for a widget
// of the program's (a tab bar), the about button and the window buttons.
// Dragging it moves the window; a double click maximises or restores it.
class FENWORK_EXPORT ToolTitleBar : public Widget
{
    Q_OBJECT

public:
    explicit ToolTitleBar(QWidget* parent = nullptr);
    ~ToolTitleBar() override;

    void setTitle(const QString& title);
    QString title() const;
    void setIcon(const QIcon& icon);

    // Places the widget after the title (AlignLeft), before the buttons
    // (AlignRight) or in the middle (AlignHCenter); a widget placed before is
    // taken out of the bar and hidden.
    void setSpecialWidget(QWidget* widget, Qt::Alignment alignment);
    QWidget* specialWidget() const;

    // The window's size in normal state and the largest size it may take.
    // A window in normal state takes the size at once.
    void setRestoreSize(const QSize& size, const QSize& maxSize);
    QSize restoreSize() const;
    QSize maxRestoreSize() const;

    void setAboutVisible(bool visible);
    QToolButton* aboutButton() const { return m_btnAbout; }
    QToolButton* minimizeButton() const { return m_btnMin; }
    QToolButton* maximizeButton() const { return m_btnMax; }
    QToolButton* closeButton() const { return m_btnClose; }

public Q_SLOTS:
    void toggleMaximized();

Q_SIGNALS:
    void signalAboutClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void onMinimizeClicked();
    void onCloseClicked();
    void updateMaximizeButton();
    QToolButton* makeButton(const QString& objectName);

    QLabel* m_iconLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    QHBoxLayout* m_leftSlot = nullptr;
    QHBoxLayout* m_centerSlot = nullptr;
    QHBoxLayout* m_rightSlot = nullptr;
    QWidget* m_specialWidget = nullptr;
    QToolButton* m_btnAbout = nullptr;
    QToolButton* m_btnMin = nullptr;
    QToolButton* m_btnMax = nullptr;
    QToolButton* m_btnClose = nullptr;
    QSize m_restoreSize;
    QSize m_maxRestoreSize;
    QObject* m_watchedWindow = nullptr;
    // The state the maximize button's glyph was last drawn for: drawing it
    // is the bar's largest cost, and every show asks again.
    enum class MaximizeGlyph { None, Maximize, Restore };
    MaximizeGlyph m_maximizeGlyph = MaximizeGlyph::None;

    bool m_pressed = false;
    bool m_manualMove = false;
    QPoint m_pressGlobal;
    QPoint m_windowStart;
};

} // namespace aptui
