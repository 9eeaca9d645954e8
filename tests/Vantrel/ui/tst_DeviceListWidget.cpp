#include "DeviceItemWidget/DeviceItemWidget.h"
#include "DeviceListWidget/DeviceListWidget.h"

#include <QLayout>
#include <QScrollBar>
#include <QtTest>

// The list's cells are 60 high while the cards fit their fields on one row,
// and 84 high below that width.
class TestDeviceListWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrollBarIsNamedForTheSkins();
    void cellHeightFollowsWidth();
    void onlyCardsNearTheViewAreShown();
    void cellSizeBoundary_data();
    void cellSizeBoundary();
    void cardsFitTheirCellsBesideTheScrollBar();

private:
    static StructDeviceItem groupOfRow(int row)
    {
        StructDeviceItem group;
        group.deviceType = QStringLiteral("IPC");
        group.groupNumber = row + 1;
        return group;
    }
    static void fill(DeviceListWidget& list, int cards)
    {
        list.setCellMaker([&list](int row) { return new DeviceItemWidget(&list, groupOfRow(row)); });
        list.setCellBinder([](QWidget* cell, int row) {
            static_cast<DeviceItemWidget*>(cell)->setDeviceItem(groupOfRow(row));
        });
        for (int i = 0; i < cards; ++i)
            list.insertRow(i);
    }
    static QList<int> cellHeights(const DeviceListWidget& list)
    {
        return QList<int>(list.count(), list.rowHeight());
    }
    static QList<int> cardHeights(const DeviceListWidget& list)
    {
        QList<int> heights;
        for (const QWidget* cell : list.cellList())
            heights << cell->height();
        return heights;
    }
};

void TestDeviceListWidget::scrollBarIsNamedForTheSkins()
{
    DeviceListWidget list;
    QCOMPARE(list.verticalScrollBar()->objectName(), QStringLiteral("DeviceListWidget_ScrollBar_Bandwidth"));
    QCOMPARE(list.findChild<QScrollBar*>(QStringLiteral("DeviceListWidget_ScrollBar_Bandwidth")),
             list.verticalScrollBar());

    list.setStyleSheet(QStringLiteral("QScrollBar#DeviceListWidget_ScrollBar_Bandwidth { width: 13px; }"));
    QCOMPARE(list.verticalScrollBar()->sizeHint().width(), 13);
}

void TestDeviceListWidget::cellHeightFollowsWidth()
{
    DeviceListWidget list;
    // The width that counts is the cards' width, the list's inner width; on
    // the device add page the list has no frame.
    list.setFrameShape(QFrame::NoFrame);
    fill(list, 3);
    list.resize(950, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(cellHeights(list), QList<int>({60, 60, 60}));
    QTRY_COMPARE(cardHeights(list), QList<int>({60, 60, 60}));

    list.resize(899, 400);
    QCOMPARE(cellHeights(list), QList<int>({84, 84, 84}));
    QTRY_COMPARE(cardHeights(list), QList<int>({84, 84, 84}));
    // The cards stack without overlapping.
    QTRY_COMPARE(list.cellList().at(1)->y(), list.cellList().at(0)->y() + 84);

    list.resize(900, 400);
    QCOMPARE(cellHeights(list), QList<int>({60, 60, 60}));
    QTRY_COMPARE(cardHeights(list), QList<int>({60, 60, 60}));
    // A row added later is as high as the others.
    list.insertRow(3);
    QTRY_COMPARE(cardHeights(list), QList<int>({60, 60, 60, 60}));
}

void TestDeviceListWidget::onlyCardsNearTheViewAreShown()
{
    DeviceListWidget list;
    list.setFrameShape(QFrame::NoFrame);
    fill(list, 100);
    list.resize(950, 600); // ten rows in view
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QList<QWidget*> cells = list.cellList();
    QTRY_VERIFY(cells.first()->isVisible());
    QVERIFY(!cells.last()->isVisible());
    // Hidden cards still know their place and size.
    QCOMPARE(cells.last()->geometry(), list.rowRect(99));

    list.scrollToBottom();
    QTRY_VERIFY(cells.last()->isVisible());
    QVERIFY(!cells.first()->isVisible());
    QCOMPARE(cells.last()->geometry(), list.rowRect(99));
    QVERIFY(list.viewport()->rect().contains(cells.last()->geometry()));
    QCOMPARE(cells.last()->width(), list.viewport()->width());

    // A card scrolled into view is laid out for the width it has now.
    list.resize(850, 600);
    QCOMPARE(cellHeights(list).first(), 84);
    list.scrollToTop();
    QTRY_VERIFY(cells.first()->isVisible());
    QTRY_COMPARE(cells.first()->height(), 84);
    const auto* upperRow = cells.first()->findChild<QLayout*>(QStringLiteral("m_hlayout2"));
    QCOMPARE(upperRow->count(), 2); // counts and line1: the two-row arrangement
}

void TestDeviceListWidget::cellSizeBoundary_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("narrow") << 500 << 84;
    QTest::newRow("899") << 899 << 84;
    QTest::newRow("900") << 900 << 60;
    QTest::newRow("wide") << 1920 << 60;
}

void TestDeviceListWidget::cellSizeBoundary()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QCOMPARE(DeviceListWidget::cellSizeForWidth(width), QSize(50, height));
}

// A list long enough for its scroll bar, at the widths where the cards are
// narrower than the one-row width and the list is not: each card's fields
// stay inside its cell.
void TestDeviceListWidget::cardsFitTheirCellsBesideTheScrollBar()
{
    DeviceListWidget list;
    fill(list, 30);
    list.resize(930, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(list.verticalScrollBar()->isVisible());
    for (int width = 895; width <= 935; ++width) {
        list.resize(width, 400);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QWidget* card : list.cellList()) {
            if (!card->isVisible())
                continue;
            QCOMPARE(card->width(), list.viewport()->width());
            QCOMPARE(card->height(), list.rowHeight());
            for (const char* field : {"streamCountsLabel", "m_labelScenceName"}) {
                const auto* label = card->findChild<QWidget*>(QLatin1String(field));
                // Whole height, not squeezed into a row too low for it.
                QVERIFY2(label->height() >= label->sizeHint().height() && label->geometry().bottom() < card->height(),
                         qPrintable(QStringLiteral("%1 at %2: %3 in %4").arg(QLatin1String(field)).arg(width)
                                        .arg(label->geometry().bottom()).arg(card->height())));
            }
        }
    }
}

QTEST_MAIN(TestDeviceListWidget)
#include "tst_DeviceListWidget.moc"
