#pragma once

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QList>
#include <QRect>
#include <QSize>
#include <QVector>

#include <functional>

// The scrolling column of device cards, one row per group of the plan. The
// rows are uniform: their height follows the list's width (the cards wrap
// their fields onto a second or third row when it gets narrow).
//
// A list of ordinary length keeps a card for every row. A longer one keeps
// cards only for the rows near the view, and a card whose row scrolls far
// away goes to a pool to be bound to the next row that comes near: a plan of
// ten thousand groups holds a few pages of cards, and scrolling through it
// makes no new ones.
class DeviceListWidget : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit DeviceListWidget(QWidget* parent = nullptr);
    ~DeviceListWidget() override;

    // The cell size for cards of this width (the list's viewport's): the
    // same widths as the cards' own decide how many rows their fields take.
    static QSize cellSizeForWidth(int cardWidth);

    static constexpr int kOneRowHeight = 60;
    static constexpr int kTwoRowHeight = 84;
    static constexpr int kThreeRowHeight = 106;
    static constexpr int kFiveRowHeight = 172; // and the recording figures in a row of their own
    static constexpr int kCellWidth = 50;
    static constexpr int kAllCardsUpTo = 200;

    // Makes a card for a row; binds a card (made for another row, or one
    // whose row changed) to a row.
    using CellMaker = std::function<QWidget*(int row)>;
    using CellBinder = std::function<void(QWidget* cell, int row)>;
    void setCellMaker(CellMaker maker) { m_cellMaker = std::move(maker); }
    void setCellBinder(CellBinder binder) { m_cellBinder = std::move(binder); }

    int count() const { return m_cellOfRow.size(); }
    void insertRow(int row);
    void removeRow(int row);
    // A list of this many rows, none with a card yet.
    void resetRows(int rows);
    void clearRows() { resetRows(0); }

    // The card of a row, nullptr while it has none.
    QWidget* cellAt(int row) const;
    // The card of a row, bound now if it has none yet.
    QWidget* ensureCell(int row);
    // The row a card shows, -1 for none.
    int rowOf(const QWidget* cell) const;
    // The cards that show rows, in row order.
    QList<QWidget*> cellList() const;

    int rowHeight() const { return m_rowHeight; }
    // A row's place in viewport coordinates.
    QRect rowRect(int row) const;
    // The row at a point of the viewport, -1 below the last.
    int rowAt(const QPoint& point) const;
    void scrollToRow(int row, QAbstractItemView::ScrollHint hint = QAbstractItemView::EnsureVisible);
    void scrollToTop();
    void scrollToBottom();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QWidget* takeSpareCell(int row);
    void releaseCell(int row);
    void updateScrollBar();
    // Shows the cards of the rows near the view in their places, binds cards
    // to rows that come near and, in a long list, lets far ones go to the
    // pool.
    void placeCells();

    QVector<QWidget*> m_cellOfRow;
    QVector<QWidget*> m_spareCells;
    int m_rowHeight = kOneRowHeight;
    CellMaker m_cellMaker;
    CellBinder m_cellBinder;
};
