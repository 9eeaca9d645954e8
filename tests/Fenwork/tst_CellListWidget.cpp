#include <Fenwork/CellListWidget.h>
#include <Fenwork/IntValidator.h>
#include <Fenwork/ShareTools.h>
#include <Fenwork/Switch.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The small toolkit widgets whose behaviour the program relies on.
class tst_CellListWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellsKeepInsertionOrder();
    void removeCellFromItsOwnSlot();
    void clearCellDeletesEverything();
    void sizeHintReachesEveryRow();
    void switchSignals();
    void intValidator_data();
    void intValidator();
    void clearLayoutKeepsWidgets();
};

void tst_CellListWidget::cellsKeepInsertionOrder()
{
    aptui::CellListWidget list;
    QList<QWidget*> cells;
    for (int i = 0; i < 5; ++i) {
        cells << new QLabel(QString::number(i));
        list.addCell(cells.last(), QSize(50, 60));
    }
    QCOMPARE(list.cellList(), cells);
    QCOMPARE(list.cellCount(), 5);
    list.removeCell(cells.at(2));
    cells.removeAt(2);
    QCOMPARE(list.cellList(), cells);
    list.removeCell(nullptr);
    QCOMPARE(list.cellCount(), 4);
}

void tst_CellListWidget::removeCellFromItsOwnSlot()
{
    aptui::CellListWidget list;
    auto* button = new QPushButton(QStringLiteral("delete"));
    list.addCell(button, QSize(50, 60));
    QPointer<QPushButton> watch(button);
    connect(button, &QPushButton::clicked, &list, [&list, button] { list.removeCell(button); });
    button->click(); // must not crash although the button asks for its own removal
    QCOMPARE(list.cellCount(), 0);
    QTRY_VERIFY(watch.isNull());
}

void tst_CellListWidget::clearCellDeletesEverything()
{
    aptui::CellListWidget list;
    QPointer<QWidget> cell(new QLabel);
    list.addCell(cell, QSize(50, 60));
    list.addCell(new QLabel, QSize(50, 60));
    list.clearCell();
    QCOMPARE(list.cellCount(), 0);
    QVERIFY(list.cellList().isEmpty());
    QTRY_VERIFY(cell.isNull());
}

void tst_CellListWidget::sizeHintReachesEveryRow()
{
    aptui::CellListWidget list;
    list.addCell(new QLabel, QSize(50, 60));
    list.addCell(new QLabel, QSize(50, 60));
    list.setSizeHint(QSize(50, 84));
    for (int row = 0; row < list.count(); ++row)
        QCOMPARE(list.item(row)->sizeHint(), QSize(50, 84));
    QCOMPARE(list.cellSizeHint(), QSize(50, 84));
}

void tst_CellListWidget::switchSignals()
{
    aptui::Switch toggle;
    toggle.resize(84, 24);
    QSignalSpy on(&toggle, &aptui::Switch::signalON);
    QSignalSpy off(&toggle, &aptui::Switch::signalOFF);
    QVERIFY(toggle.isOn());
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QCOMPARE(off.count(), 1);
    QVERIFY(!toggle.isOn());
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QCOMPARE(on.count(), 1);
    toggle.setOn(false); // silent
    QCOMPARE(off.count(), 1);
    QVERIFY(!toggle.isOn());
}

void tst_CellListWidget::intValidator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::newRow("zero") << "0" << int(QValidator::Acceptable);
    QTest::newRow("maximum") << "204800" << int(QValidator::Acceptable);
    QTest::newRow("above maximum") << "204801" << int(QValidator::Invalid);
    QTest::newRow("far above") << "999999" << int(QValidator::Invalid);
    QTest::newRow("negative") << "-1" << int(QValidator::Invalid);
    QTest::newRow("empty") << "" << int(QValidator::Intermediate);
    QTest::newRow("letters") << "12a" << int(QValidator::Invalid);
}

void tst_CellListWidget::intValidator()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    aptui::IntValidator validator(0, 204800);
    int pos = 0;
    QCOMPARE(int(validator.validate(text, pos)), state);
}

void tst_CellListWidget::clearLayoutKeepsWidgets()
{
    QWidget holder;
    auto* layout = new QHBoxLayout(&holder);
    QPointer<QLabel> label(new QLabel(&holder));
    auto* inner = new QHBoxLayout;
    inner->addWidget(new QLabel(&holder));
    layout->addWidget(label);
    layout->addLayout(inner);
    layout->addStretch();
    ShareTools::clearLayout(layout);
    QCOMPARE(layout->count(), 0);
    QVERIFY(!label.isNull());
}

QTEST_MAIN(tst_CellListWidget)
#include "tst_CellListWidget.moc"
