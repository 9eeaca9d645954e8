#pragma once

#include "FenworkGlobal.h"

#include <QList>
#include <QListWidget>
#include <QSize>

namespace aptui {

// A list whose rows are widgets ("cells"). The list owns the cells; the
// order of cellList() is the order of the rows.
class FENWORK_EXPORT CellListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit CellListWidget(QWidget* parent = nullptr);
    ~CellListWidget() override;

    void addCell(QWidget* cell, const QSize& size);
    // Puts the cell at a row (clamped to the list); later rows move down.
    void insertCell(int row, QWidget* cell, const QSize& size);
    // Removes the cell and deletes it once control returns to the event loop,
    // so a cell may ask for its own removal from one of its slots.
    void removeCell(QWidget* cell);
    void clearCell();
    QList<QWidget*> cellList() const;
    int cellCount() const;

    // Gives every row, present and future, this size hint.
    void setSizeHint(const QSize& size);
    QSize cellSizeHint() const { return m_cellSize; }

private:
    QSize m_cellSize;
};

} // namespace aptui
