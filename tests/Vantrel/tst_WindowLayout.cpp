#include "Vantrel.h"

#include "DeviceEditor/DeviceEditor.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "DeviceListWidget/DeviceListWidget.h"

#include <Fenwork/BaseDialog.h>
#include <Fenwork/WarningDlg.h>
#include <TempProgramDir.h>

#include <WidgetLookup.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QLineEdit>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

// The main window at the sizes people give it: its own minimum, larger and
// back, and smaller than it may be; and where its notices open.
class tst_WindowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyColumnFitsAtTheMinimumSize();
    void cardsFollowEveryWidthChange();
    void newGroupIsScrolledIntoView();
    void belowTheMinimumTheContentScrolls();
    void noticesOpenCentredOnTheWindow();
    void everythingReadsWholeInBothLanguagesAndModes_data();
    void everythingReadsWholeInBothLanguagesAndModes();

private:
    template<typename T>
    T* child(const char* name) const
    {
        return childNamed<T>(m_window.get(), name);
    }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    void addGroups(int count);
    static void settle();
    // Whether the widget shows whole inside the window's client area.
    bool shownWhole(const QWidget* widget) const;
    void verifyCardsPlaced() const;
    // Whether a label shows all of its text: on one line, or wrapped within
    // its height.
    static bool readsWhole(const QLabel* label);

    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<Vantrel> m_window;
};

void tst_WindowLayout::init()
{
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
    m_window = std::make_unique<Vantrel>();
    m_window->resize(1024, 720);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_WindowLayout::cleanup()
{
    m_window.reset();
    m_program.reset();
}

void tst_WindowLayout::settle()
{
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
}

void tst_WindowLayout::addGroups(int count)
{
    for (int group = 0; group < count; ++group)
        click("m_btnAddDevice");
    settle();
}

bool tst_WindowLayout::shownWhole(const QWidget* widget) const
{
    const QWidget* client = m_window->getSetupUiWidget();
    const QRect area(client->mapTo(m_window.get(), QPoint(0, 0)), client->size());
    const QRect rect(widget->mapTo(m_window.get(), QPoint(0, 0)), widget->size());
    return widget->isVisible() && area.contains(rect);
}

void tst_WindowLayout::verifyCardsPlaced() const
{
    const auto* list = child<DeviceListWidget>("deviceListWidget");
    const QRect viewport = list->viewport()->rect();
    int shown = 0;
    for (QWidget* cell : list->cellList()) {
        const QRect place(cell->mapTo(list->viewport(), QPoint(0, 0)), cell->size());
        if (!cell->isVisible() || !place.intersects(viewport))
            continue;
        ++shown;
        QCOMPARE(cell->width(), viewport.width());
        const auto* remove = cell->findChild<QWidget*>(QStringLiteral("m_btnDelete"));
        const QRect button(remove->mapTo(list->viewport(), QPoint(0, 0)), remove->size());
        QVERIFY(remove->isVisible());
        QVERIFY2(button.right() <= viewport.right(), qPrintable(QString::number(button.right())));
    }
    QVERIFY(shown > 0);
}

void tst_WindowLayout::everyColumnFitsAtTheMinimumSize()
{
    addGroups(10);
    const QSize size = m_window->size();
    for (const char* rateMode : {"m_radioButtonFixedRate", "m_radioButtonVarRate"}) {
        click(rateMode);
        settle();
        // The window keeps the size it was given.
        QCOMPARE(m_window->size(), size);
        for (const char* name : {"m_btnClear", "channelLabel", "IPCLabel", "DVRLabel", "bandWidthLabel",
                                 "m_btnAddDevice", "m_checkBoxSpread"}) {
            QVERIFY2(shownWhole(child<QWidget>(name)), name);
        }
        // The total's figure fits its narrowed column.
        const auto* total = child<QLabel>("bandWidthLabel");
        QVERIFY(total->sizeHint().width() <= total->width());
        const auto* scroll = child<QScrollArea>("m_clientScrollArea");
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
        verifyCardsPlaced();
    }
    click("encodingBtn");
    settle();
    QCOMPARE(m_window->size(), size);
    QVERIFY(shownWhole(child<QWidget>("m_dataCalculatorPage")) || !child<QWidget>("m_dataCalculatorPage")->isVisible());
    QVERIFY(shownWhole(child<QWidget>("streamCountSpinBox_2")));
}

void tst_WindowLayout::cardsFollowEveryWidthChange()
{
    m_window->resize(1400, 800);
    settle();
    // Where there is room the invitation keeps to one line.
    const auto* invitation = child<QLabel>("m_labeNullTip");
    QCOMPARE(invitation->heightForWidth(invitation->width()), invitation->heightForWidth(QWIDGETSIZE_MAX));
    addGroups(10);
    verifyCardsPlaced();
    // Scene mode widens the editor, so the list gets narrower.
    click("m_radioButtonVarRate");
    settle();
    verifyCardsPlaced();
    // Back from a large window to the smallest.
    m_window->resize(1900, 1000);
    settle();
    verifyCardsPlaced();
    m_window->resize(1024, 720);
    settle();
    verifyCardsPlaced();
}

void tst_WindowLayout::newGroupIsScrolledIntoView()
{
    addGroups(40);
    const auto* list = child<DeviceListWidget>("deviceListWidget");
    QWidget* last = list->cellList().last();
    const QRect place(last->mapTo(list->viewport(), QPoint(0, 0)), last->size());
    QVERIFY(last->isVisible());
    QVERIFY(list->viewport()->rect().contains(place));
    QCOMPARE(qobject_cast<DeviceItemWidget*>(last)->deviceItem().groupNumber, 40);
}

void tst_WindowLayout::belowTheMinimumTheContentScrolls()
{
    addGroups(3);
    const int editorWidth = m_window->deviceEditor()->width();
    // As a tiling window manager does it: past the window's minimum.
    m_window->setMinimumSize(0, 0);
    m_window->resize(800, 560);
    settle();
    const auto* scroll = child<QScrollArea>("m_clientScrollArea");
    QVERIFY(scroll->horizontalScrollBar()->isVisible());
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    // The content keeps its room instead of overlapping: scrolled to the
    // end, the result column shows whole.
    QCOMPARE(m_window->deviceEditor()->width(), editorWidth);
    QWidget* content = scroll->widget();
    QVERIFY(content->width() >= content->minimumSizeHint().width());
    QVERIFY(content->height() >= content->minimumSizeHint().height());
}

void tst_WindowLayout::noticesOpenCentredOnTheWindow()
{
    m_window->move(150, 60);
    settle();
    const QPoint windowCentre = m_window->frameGeometry().center();
    for (QWidget* parent : {static_cast<QWidget*>(child<QWidget>("m_btnClear")), static_cast<QWidget*>(nullptr)}) {
        if (!parent)
            QApplication::setActiveWindow(m_window.get());
        QRect shownAt;
        QTimer::singleShot(0, this, [&shownAt] {
            if (auto* dialog = qobject_cast<aptui::BaseDialog*>(QApplication::activeModalWidget())) {
                shownAt = dialog->frameGeometry();
                dialog->accept();
            }
        });
        aptui::WarningDlg::ShowMessageInfo(QStringLiteral("Hint"), QStringLiteral("Centred?"), parent);
        QVERIFY(shownAt.isValid());
        QVERIFY2((shownAt.center() - windowCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(shownAt.center().x()).arg(shownAt.center().y())));
    }
}

bool tst_WindowLayout::readsWhole(const QLabel* label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
}

void tst_WindowLayout::everythingReadsWholeInBothLanguagesAndModes_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("rateMode");
    for (const char* language : {"en", "zh"}) {
        for (const char* mode : {"m_radioButtonFixedRate", "m_radioButtonVarRate"})
            QTest::addRow("%s %s", language, mode) << QString::fromLatin1(language) << QString::fromLatin1(mode);
    }
}

// At the window's smallest size, as a user of either language sees it: the
// empty list's invitation, "+ Add" with the recording fields open, and the
// cards' names, fields and recording figures.
void tst_WindowLayout::everythingReadsWholeInBothLanguagesAndModes()
{
    QFETCH(QString, language);
    QFETCH(QString, rateMode);
    m_window.reset();
    std::vector<std::unique_ptr<QTranslator>> translators;
    for (const char* catalogue : {"Vantrel", "VantrelData", "Fenwork", "Sarnet"}) {
        auto translator = std::make_unique<QTranslator>();
        QVERIFY(translator->load(QLatin1String(catalogue) + QLatin1Char('_') + language,
                                 TempProgramDir::shippedDataPath() + QStringLiteral("/translations")));
        QCoreApplication::installTranslator(translator.get());
        translators.push_back(std::move(translator));
    }
    m_window = std::make_unique<Vantrel>();
    m_window->resize(1024, 720);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    click(rateMode.toLatin1().constData());
    settle();
    QCOMPARE(m_window->size(), QSize(1024, 720));

    const auto* invitation = child<QLabel>("m_labeNullTip");
    QVERIFY(shownWhole(invitation));
    QVERIFY2(readsWhole(invitation), qPrintable(invitation->text()));

    click("m_btnRecording");
    settle();

    QVERIFY(shownWhole(child<QWidget>("m_btnAddDevice")));

    for (const char* name : {"Reception", "Store Room Recorder", "Car Park"}) {
        child<QLineEdit>("m_lineEditChannelName")->setText(QString::fromLatin1(name));
        click("m_btnAddDevice");
        settle();
    }
    QVERIFY(shownWhole(child<QWidget>("m_btnAddDevice")));
    const auto* list = child<DeviceListWidget>("deviceListWidget");
    for (QWidget* card : list->cellList()) {
        if (!card->isVisible())
            continue;
        const auto* name = card->findChild<QLabel*>(QStringLiteral("m_labelChannelGroupName"));
        // Short names read whole beside the delete button.
        if (!name->text().startsWith(QLatin1String("Store")))
            QVERIFY2(readsWhole(name), qPrintable(name->text()));
        QVERIFY(card->findChild<QLabel*>(QStringLiteral("m_labelRecordingSummary"))->isVisible());
        for (const QLabel* label : card->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty() || label == name)
                continue;
            QVERIFY2(readsWhole(label), qPrintable(label->text()));
            const QRect place(label->mapTo(card, QPoint(0, 0)), label->size());
            QVERIFY2(card->rect().contains(place), qPrintable(label->text()));
        }
    }
    m_window.reset(); // before its translators go
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_WindowLayout.moc"
