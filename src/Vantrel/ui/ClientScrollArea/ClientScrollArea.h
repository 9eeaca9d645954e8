#pragma once

#include <QScrollArea>

// Holds the window's content at no less than its minimum size and scrolls
// when the window is made smaller still (tiling window managers do that).
// Unlike a resizable QScrollArea it asks the content for its minimum size
// only: a content with wrapping labels would otherwise claim its preferred
// height and scroll at the window's own minimum size already.
class ClientScrollArea : public QScrollArea
{
    Q_OBJECT
    // Found here sooner by Qt's style sheet; see aptui::Widget.
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)

public:
    explicit ClientScrollArea(QWidget* parent = nullptr);
    ~ClientScrollArea() override;

    // Takes the content, as QScrollArea::setWidget does.
    void setContent(QWidget* content);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitContent();
};
