#pragma once

#include "FenworkGlobal.h"

#include <QColor>
#include <QWidget>

namespace aptui {

// A translucent dark sheet laid over the window's client area while a modal
// question is open: it dims the window and catches stray clicks. A style
// sheet may change its colour (qproperty-coverColor).
class FENWORK_EXPORT ToolCover : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor coverColor READ coverColor WRITE setCoverColor)

public:
    explicit ToolCover(QWidget* parent = nullptr);
    ~ToolCover() override;

    QColor coverColor() const;
    void setCoverColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QColor m_color;
};

} // namespace aptui
