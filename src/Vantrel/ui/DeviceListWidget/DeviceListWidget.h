#pragma once

#include <Fenwork/CellListWidget.h>

#include <QList>
#include <QRect>
#include <QSize>

#include <functional>

// The scrolling column of device cards. Its cells grow taller when the list
// gets narrow enough for the cards to wrap their fields onto a second row.
class DeviceListWidget : public aptui::CellListWidget
{
    Q_OBJECT

public:
    explicit DeviceListWidget(QWidget* parent = nullptr);
    ~DeviceListWidget() override;

    // The cell size for a list (or page) of this width.
    static QSize cellSizeForWidth(int width);

    static constexpr int kOneRowWidth = 900;
    static constexpr int kTwoRowWidth = 460; // the cards' own, see DeviceItemWidget
    static constexpr int kWidthBesideCards = 24;
    static constexpr int kOneRowHeight = 60;
    static constexpr int kTwoRowHeight = 84;
    static constexpr int kThreeRowHeight = 106;
    static constexpr int kCellWidth = 50;

    // Makes the card of a row. Rows inserted with insertRow() get their card
    // from it when they come near the view; in a list longer than
    // kAllCardsUpTo, cards far from the view are let go again, so a plan of
    // thousands of groups holds a few pages of cards, not thousands.
    using CellMaker = std::function<QWidget*(int row)>;
    void setCellMaker(CellMaker maker) { m_cellMaker = std::move(maker); }
    void insertRow(int row, const QSize& size);
    void removeRow(int row);
    // The card of a row, nullptr while it has none.
    QWidget* cellAt(int row) const;
    // The card of a row, made now if it has none yet.
    QWidget* ensureCell(int row);

    static constexpr int kAllCardsUpTo = 200;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Already a slot of the view; not declared as one again here.
    void updateEditorGeometries() override;

private:
    // Places every card on its row and shows only those near the visible
    // part of the list: a hidden card skips layout and painting, which keeps
    // a list of a thousand cards quick to change, resize and scroll.
    void placeCells();
    // The rectangle of every row, in viewport coordinates.
    QList<QRect> rowRects() const;

    int m_placements = 0;
    CellMaker m_cellMaker;
};
