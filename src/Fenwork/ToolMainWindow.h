#pragma once

#include "FenworkGlobal.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <functional>

class QHBoxLayout;
class QWindow;

namespace aptui {

class DialogAbout;
class Menu;
class ToolCover;
class ToolTitleBar;
class Widget;

// A frameless main window: the toolkit's own title bar, a client widget for
// the program's layout, edges that resize the window, an about popup and a
// cover that dims the client area during modal questions.
class FENWORK_EXPORT ToolMainWindow : public QMainWindow
{
    Q_OBJECT
    // Found here sooner by Qt's style sheet; see aptui::Widget.
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)

public:
    explicit ToolMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~ToolMainWindow() override;

    // The widget the program lays its content out in.
    QWidget* getSetupUiWidget() const;
    // A widget of the program's beside the client area, full height: at its
    // left (AlignLeft) or right (AlignRight); any other alignment puts it in
    // the title bar (see ToolTitleBar). A second widget replaces the first.
    void setSpecialWidget(QWidget* widget, Qt::Alignment alignment = Qt::AlignLeft);
    QWidget* specialWidget() const;
    void setAppTitle(const QString& title);
    QString appTitle() const;

    // The box is shown as the popup of the title bar's about button; the
    // popup takes it over.
    void setAboutDialog(DialogAbout* dialog);
    // The box is made by `make` when the popup first opens, or when
    // madeAboutDialog() asks for it, above what the popup holds by then: a
    // hidden box is not made, styled and laid out with the window.
    void setAboutDialogMaker(std::function<DialogAbout*()> make);
    // Null while a box of a maker is not made yet.
    DialogAbout* aboutDialog() const;
    // The box, made now if it waits for its maker.
    DialogAbout* madeAboutDialog();
    Menu* aboutMenu() const;

    // The title bar (not the window's title text).
    ToolTitleBar* windowTitle() const;

    // translucent: the window gets a see-through background (for rounded or
    // shadowed skins); stayOnTop: the window stays above the others. Also
    // restores the frameless window flags.
    void setWindowAtrrib(bool translucent, bool stayOnTop);

    bool isCovered() const;
    // Null until the window is first covered.
    ToolCover* cover() const;

public Q_SLOTS:
    // The cover is on or off, not counted: an extra disableCover() is
    // harmless and a lost one is undone by the next.
    void enableCover();
    void disableCover();
    void setCover(bool on);
    void showAboutMenu();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchWindowHandle();
    bool filterWindowEvent(QEvent* event);
    Qt::Edges edgesAt(const QPoint& pos) const;
    void updateEdgeCursor(Qt::Edges edges);
    void resizeByHand(const QPoint& globalPos);

    Widget* m_frame = nullptr;
    ToolTitleBar* m_titleBar = nullptr;
    Widget* m_client = nullptr;
    QHBoxLayout* m_bodyLayout = nullptr;
    QPointer<QWidget> m_specialWidget;
    ToolCover* m_cover = nullptr;
    Menu* m_aboutMenu = nullptr;
    DialogAbout* m_aboutDialog = nullptr;
    std::function<DialogAbout*()> m_makeAboutDialog;
    QPointer<QWindow> m_handle;

    Qt::Edges m_cursorEdges;
    Qt::Edges m_resizeEdges;
    QPoint m_resizePressGlobal;
    QRect m_resizeStartGeometry;
};

} // namespace aptui
