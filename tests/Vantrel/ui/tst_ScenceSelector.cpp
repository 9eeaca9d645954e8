#include "ScenceSelector/ScenceRaidoButton.h"
#include "ScenceSelector/ScenceSelector.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

SCENCE_ITEM scene(int id, const QString& name)
{
    return SCENCE_ITEM{id, name};
}

QVector<SCENCE_ITEM> threeScenes()
{
    return {scene(0, QStringLiteral("Office")), scene(1, QStringLiteral("Road")), scene(2, QStringLiteral("Parking Lot"))};
}

} // namespace

class TestScenceSelector : public QObject
{
    Q_OBJECT

private:
    QListWidget* list(ScenceSelector& selector)
    {
        return selector.findChild<QListWidget*>(QStringLiteral("m_listWidgetScences"));
    }
    QLabel* picture(ScenceSelector& selector)
    {
        return selector.findChild<QLabel*>(QStringLiteral("m_labelScenceImage"));
    }
    QPushButton* button(ScenceSelector& selector, int row)
    {
        QListWidget* scenes = list(selector);
        return qobject_cast<QPushButton*>(scenes->itemWidget(scenes->item(row)));
    }
    static QString writePng(const QTemporaryDir& dir, const QString& name, Qt::GlobalColor color)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(name);
        image.save(path, "PNG");
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<SCENCE_ITEM>();
    }

    void formAndClassNames()
    {
        // The form is made once the picker has scenes (or shows).
        ScenceSelector selector;
        QVERIFY(!list(selector));
        selector.setScenceData(threeScenes());
        QCOMPARE(selector.objectName(), QStringLiteral("ScenceSelector"));
        QCOMPARE(selector.windowTitle(), QStringLiteral("ScenceSelector"));
        QVERIFY(list(selector));
        QCOMPARE(list(selector)->minimumWidth(), 90);
        QCOMPARE(list(selector)->maximumWidth(), 90);
        QCOMPARE(list(selector)->spacing(), 5);
        QCOMPARE(list(selector)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(list(selector)->verticalScrollBar()->metaObject()->className(), "aptui::VerScrollBar");
        QCOMPARE(selector.findChild<QLabel*>(QStringLiteral("m_labelScence"))->text(), QStringLiteral("Scence:"));
        QCOMPARE(button(selector, 0)->metaObject()->className(), "ScenceSelector::ScenceRaidoButton");
    }

    void metaMethodsInOrder()
    {
        const auto methods = [](const QMetaObject& meta) {
            QStringList list;
            for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
                list << QString::fromLatin1(meta.method(i).methodSignature());
            return list;
        };
        QCOMPARE(methods(ScenceSelector::staticMetaObject),
                 QStringList({"signalScenceChanged(int)", "setScenceData(QList<SCENCE_ITEM>)",
                              "addScenceItem(SCENCE_ITEM)", "OnScenceSelected(int)"}));
        QCOMPARE(methods(ScenceSelector::ScenceRaidoButton::staticMetaObject),
                 QStringList({"signalScenceButtonClick(int)", "OnScenceButtonClicked()"}));
    }

    void buttonsFollowTheItems()
    {
        ScenceSelector selector;
        selector.setScenceData(threeScenes());
        QCOMPARE(list(selector)->count(), 3);
        QCOMPARE(button(selector, 2)->text(), QStringLiteral("Parking Lot"));
        QCOMPARE(button(selector, 2)->toolTip(), QStringLiteral("Parking Lot"));
        QCOMPARE(list(selector)->item(1)->sizeHint(), QSize(70, 27));
        QVERIFY(list(selector)->item(1)->text().isEmpty());

        // Scene 0 starts as the selected one; the others cannot toggle.
        QVERIFY(button(selector, 0)->isCheckable());
        QVERIFY(button(selector, 0)->isChecked());
        QVERIFY(!button(selector, 1)->isCheckable());
        QVERIFY(!button(selector, 2)->isChecked());
    }

    void firstItemOfAnIdWins()
    {
        ScenceSelector selector;
        selector.setScenceData({scene(0, QStringLiteral("Office")), scene(1, QStringLiteral("Road")),
                                scene(1, QStringLiteral("Shop"))});
        QCOMPARE(list(selector)->count(), 2);
        QCOMPARE(button(selector, 1)->text(), QStringLiteral("Road"));

        selector.addScenceItem(scene(0, QStringLiteral("Hospital")));
        QCOMPARE(list(selector)->count(), 2);
    }

    void emptyAndZeroLessLists()
    {
        ScenceSelector selector;
        selector.setScenceData(threeScenes());
        selector.setScenceData({});
        QCOMPARE(list(selector)->count(), 0);

        // Without scene 0 nothing is selected until the user clicks.
        selector.setScenceData({scene(3, QStringLiteral("Shop")), scene(5, QStringLiteral("Hospital"))});
        QCOMPARE(list(selector)->count(), 2);
        QVERIFY(!button(selector, 0)->isChecked());
        QVERIFY(!button(selector, 1)->isChecked());
        selector.show();
        QSignalSpy changed(&selector, &ScenceSelector::signalScenceChanged);
        QTest::mouseClick(button(selector, 1), Qt::LeftButton);
        QCOMPARE(changed.at(0).at(0).toInt(), 5);
        QVERIFY(button(selector, 1)->isChecked());
    }

    void replacingDataDeletesOldButtons()
    {
        ScenceSelector selector;
        selector.setScenceData(threeScenes());
        QPointer<QPushButton> old = button(selector, 1);
        selector.setScenceData({scene(0, QStringLiteral("Shop"))});
        QVERIFY(old.isNull());
        QCOMPARE(button(selector, 0)->text(), QStringLiteral("Shop"));
    }

    void clickMovesTheSelection()
    {
        ScenceSelector selector;
        selector.setScenceData(threeScenes());
        selector.show();
        QSignalSpy changed(&selector, &ScenceSelector::signalScenceChanged);

        // The editor hears of the choice before the buttons change state.
        QPushButton* parking = button(selector, 2);
        bool checkedWhenEmitted = true;
        connect(&selector, &ScenceSelector::signalScenceChanged, parking,
                [&] { checkedWhenEmitted = parking->isChecked(); });

        QTest::mouseClick(parking, Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 2);
        QVERIFY(!checkedWhenEmitted);
        QVERIFY(parking->isCheckable() && parking->isChecked());
        QVERIFY(!button(selector, 0)->isCheckable());
        QVERIFY(!button(selector, 0)->isChecked());
        QVERIFY(!button(selector, 1)->isChecked());
    }

    void hiddenPickerHasItsButtonsWhenShownOrUsed()
    {
        // The editor's picker is hidden until variable rate is chosen; its
        // buttons are there by the time it shows, or a scene is chosen.
        ScenceSelector selector;
        selector.hide();
        selector.setScenceData(threeScenes());
        selector.show();
        QCOMPARE(list(selector)->count(), 3);
        QCOMPARE(button(selector, 2)->text(), QStringLiteral("Parking Lot"));
        QVERIFY(button(selector, 0)->isChecked());
        // Made late, the buttons still follow their list in the Tab chain.
        QWidget* next = list(selector)->nextInFocusChain();
        while (next != button(selector, 0) && list(selector)->isAncestorOf(next)
               && !qobject_cast<QAbstractButton*>(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, button(selector, 0));

        ScenceSelector used;
        used.hide();
        used.setScenceData(threeScenes());
        QSignalSpy changed(&used, &ScenceSelector::signalScenceChanged);
        used.selectScence(1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list(used)->count(), 3);
        QVERIFY(button(used, 1)->isChecked());
        QVERIFY(!button(used, 0)->isChecked());
    }

    void pickerShownEmptyShowsItsScenesOnceGiven()
    {
        // Shown with its window before it has scenes, the picker makes its
        // form when they come, and the form shows.
        QWidget window;
        auto* selector = new ScenceSelector(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        selector->setScenceData(threeScenes());
        QVERIFY(list(*selector)->isVisible());
        QVERIFY(button(*selector, 2)->isVisible());
    }

    void clickingTheSelectedSceneKeepsIt()
    {
        ScenceSelector selector;
        selector.setScenceData(threeScenes());
        selector.show();
        QSignalSpy changed(&selector, &ScenceSelector::signalScenceChanged);

        QTest::mouseClick(button(selector, 0), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 0);
        QVERIFY(button(selector, 0)->isChecked());
        QVERIFY(!button(selector, 1)->isCheckable());
    }

    void pictureRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("png") << QStringLiteral("office.png") << true;
        QTest::newRow("capital PNG") << QStringLiteral("office.PNG") << false;
        QTest::newRow("jpg") << QStringLiteral("office.jpg") << false;
        QTest::newRow("missing") << QStringLiteral("none.png") << false;
        QTest::newRow("folder named png") << QStringLiteral("folder.png") << false;
        QTest::newRow("empty path") << QString() << false;
    }

    void pictureRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        QTemporaryDir dir;
        writePng(dir, QStringLiteral("office.png"), Qt::red);
        // A real PNG under a capitalised or foreign suffix still does not count.
        QFile::copy(dir.filePath(QStringLiteral("office.png")), dir.filePath(QStringLiteral("office.PNG")));
        QFile::copy(dir.filePath(QStringLiteral("office.png")), dir.filePath(QStringLiteral("office.jpg")));
        QDir(dir.path()).mkdir(QStringLiteral("folder.png"));

        ScenceSelector selector;
        selector.resize(400, 300);
        selector.show();
        selector.setScencePicture(name.isEmpty() ? QString() : dir.filePath(name));
        QLabel* label = picture(selector);
        if (usable) {
            QVERIFY(label->styleSheet().isEmpty());
            QCOMPARE(label->pixmap().size(), label->size());
            QCOMPARE(label->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
        } else {
            QVERIFY(label->pixmap().isNull());
            QCOMPARE(label->styleSheet(),
                     QStringLiteral("QLabel#m_labelScenceImage{background-color:#f4f5f6;border: 1px solid #dadada;}"));
            QCOMPARE(label->text(), QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                                                   "font-weight:600; color:#cccccc;\">Get Picture Failure</span></p>"
                                                   "</body></html>"));
        }
    }

    void undecodablePngLeavesTheAreaBlank()
    {
        QTemporaryDir dir;
        QFile broken(dir.filePath(QStringLiteral("broken.png")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not an image");
        broken.close();

        ScenceSelector selector;
        selector.show();
        selector.setScencePicture(broken.fileName());
        QVERIFY(picture(selector)->pixmap().isNull());
        QVERIFY(picture(selector)->text().isEmpty());
        QVERIFY(picture(selector)->styleSheet().isEmpty());
    }

    void resizingRescalesThePicture()
    {
        QTemporaryDir dir;
        const QString path = writePng(dir, QStringLiteral("road.png"), Qt::blue);
        ScenceSelector selector;
        selector.resize(300, 200);
        selector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&selector));
        selector.setScencePicture(path);
        const QSize before = picture(selector)->pixmap().size();

        selector.resize(500, 400);
        QApplication::processEvents();
        const QSize after = picture(selector)->pixmap().size();
        QVERIFY(after != before);
        QCOMPARE(after, picture(selector)->size());
    }

    void resizingWithoutPictureShowsTheFailure()
    {
        ScenceSelector selector;
        selector.resize(300, 200);
        selector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&selector));
        selector.resize(320, 240);
        QApplication::processEvents();
        QVERIFY(picture(selector)->text().contains(QStringLiteral("#cccccc")));
        QVERIFY(picture(selector)->styleSheet().contains(QStringLiteral("#dadada")));
    }
};

QTEST_MAIN(TestScenceSelector)
#include "tst_ScenceSelector.moc"
