#include <Fenwork/DialogAbout.h>
#include <Fenwork/Menu.h>
#include <Fenwork/ToolCover.h>
#include <Fenwork/ToolMainWindow.h>
#include <Fenwork/ToolTitleBar.h>
#include <Fenwork/WindowSheets.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

using aptui::ToolMainWindow;

class TestToolMainWindow : public QObject
{
    Q_OBJECT

private:
    static QToolButton* titleButton(ToolMainWindow& window, const char* name)
    {
        return window.windowTitle()->findChild<QToolButton*>(QLatin1String(name));
    }

    static void showAt(ToolMainWindow& window, const QSize& size)
    {
        window.resize(size);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

private Q_SLOTS:
    void frameParts()
    {
        ToolMainWindow window;
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QWidget* client = window.getSetupUiWidget();
        QVERIFY(client);
        QCOMPARE(client->objectName(), QStringLiteral("ToolMainWindow_client"));
        QCOMPARE(window.windowTitle()->objectName(), QStringLiteral("ToolMainWindow_titleBar"));
        for (const char* name : {"TitleBar_btnMin", "TitleBar_btnMax", "TitleBar_btnClose"})
            QVERIFY2(titleButton(window, name), name);
        // The about button waits for an about box.
        QVERIFY(titleButton(window, "TitleBar_btnAbout")->isHidden());
    }

    void translucentTitleBarIsPaintedOnce()
    {
        // Painted twice, half-transparent red over white comes out at three
        // quarters.
        ToolMainWindow window;
        window.setStyleSheet(QStringLiteral("#ToolMainWindow_frame { background: #ffffff; border: none; }"
                                            "#ToolMainWindow_titleBar { background: rgba(255, 0, 0, 128); }"));
        showAt(window, QSize(600, 400));
        const QWidget* bar = window.windowTitle();
        const QImage shot = window.grab().toImage();
        const QColor pixel = shot.pixelColor(bar->mapTo(&window, QPoint(bar->width() / 2, 3)));
        QVERIFY2(qAbs(pixel.green() - 127) <= 3, qPrintable(pixel.name()));
        QCOMPARE(pixel.red(), 255);
    }

    void titleAndIcon()
    {
        ToolMainWindow window;
        window.setAppTitle(QStringLiteral("Vantrel"));
        QCOMPARE(window.appTitle(), QStringLiteral("Vantrel"));
        QCOMPARE(static_cast<QWidget&>(window).windowTitle(), QStringLiteral("Vantrel"));
        auto* title = window.windowTitle()->findChild<QLabel*>(QStringLiteral("TitleBar_title"));
        QCOMPARE(title->text(), QStringLiteral("Vantrel"));

        auto* icon = window.windowTitle()->findChild<QLabel*>(QStringLiteral("TitleBar_icon"));
        QVERIFY(icon->isHidden());
        QPixmap pixmap(36, 36);
        pixmap.fill(Qt::red);
        window.setWindowIcon(QIcon(pixmap));
        QVERIFY(!icon->isHidden());
        QVERIFY(!icon->pixmap().isNull());
    }

    void specialWidgetSitsInTheTitleBar_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("centre") << int(Qt::AlignHCenter);
    }

    void specialWidgetSitsInTheTitleBar()
    {
        QFETCH(int, alignment);
        ToolMainWindow window;
        window.setAppTitle(QStringLiteral("Vantrel"));
        auto* tabs = new QWidget;
        tabs->setFixedSize(200, 40);
        window.setSpecialWidget(tabs, Qt::Alignment(alignment));
        showAt(window, QSize(1200, 750));
        QCOMPARE(window.windowTitle()->specialWidget(), tabs);
        QCOMPARE(tabs->parentWidget(), window.windowTitle());
        QVERIFY(tabs->isVisible());

        auto* title = window.windowTitle()->findChild<QLabel*>(QStringLiteral("TitleBar_title"));
        const int buttonsStart = titleButton(window, "TitleBar_btnMin")->x();
        QVERIFY(tabs->x() > title->geometry().right());
        QVERIFY(tabs->geometry().right() < buttonsStart);
        const int middle = window.windowTitle()->width() / 2;
        QVERIFY(qAbs(tabs->geometry().center().x() - middle) < 120);

        // A second widget replaces the first.
        auto* other = new QWidget;
        window.setSpecialWidget(other, Qt::AlignHCenter);
        QVERIFY(tabs->isHidden());
        QCOMPARE(window.windowTitle()->specialWidget(), other);
    }

    void specialWidgetBesideTheClientArea_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << int(Qt::AlignLeft);
        QTest::newRow("right") << int(Qt::AlignRight);
    }

    void specialWidgetBesideTheClientArea()
    {
        QFETCH(int, alignment);
        ToolMainWindow window;
        auto* bar = new QWidget;
        bar->setFixedWidth(110);
        window.setSpecialWidget(bar, Qt::Alignment(alignment));
        showAt(window, QSize(1200, 750));
        QCOMPARE(window.specialWidget(), bar);
        QVERIFY(bar->isVisible());
        const QRect client = window.getSetupUiWidget()->geometry();
        QCOMPARE(bar->height(), client.height());
        QCOMPARE(bar->y(), client.y());
        if (alignment == Qt::AlignLeft)
            QCOMPARE(bar->geometry().right() + 1, client.left());
        else
            QCOMPARE(bar->x(), client.right() + 1);

        // Moving it into the title bar takes it out of the body.
        auto* other = new QWidget;
        window.setSpecialWidget(other, Qt::AlignHCenter);
        QVERIFY(bar->isHidden());
        QCOMPARE(window.windowTitle()->specialWidget(), other);
    }

    void coverIsOnOrOff()
    {
        ToolMainWindow window;
        showAt(window, QSize(1024, 720));
        QVERIFY(!window.isCovered());
        window.enableCover();
        QVERIFY(window.isCovered());
        QCOMPARE(window.cover()->geometry(), window.getSetupUiWidget()->geometry());

        // One more disable than enable, as a declined exit question does.
        window.disableCover();
        window.disableCover();
        QVERIFY(!window.isCovered());
        window.enableCover();
        QVERIFY(window.isCovered());
        window.setCover(false);
        QVERIFY(!window.isCovered());
        window.setCover(true);
        QVERIFY(window.isCovered());

        window.resize(1300, 800);
        QTRY_COMPARE(window.cover()->geometry(), window.getSetupUiWidget()->geometry());
    }

    void coverCatchesClicks()
    {
        ToolMainWindow window;
        auto* layout = new QVBoxLayout(window.getSetupUiWidget());
        auto* button = new QPushButton(QStringLiteral("Add"));
        layout->addWidget(button);
        showAt(window, QSize(1024, 720));
        QSignalSpy clicked(button, &QPushButton::clicked);
        const QPoint onButton = button->mapTo(&window, button->rect().center());

        window.enableCover();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicked.count(), 0);
        window.disableCover();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicked.count(), 1);
    }

    void aboutMenuShowsTheAboutBox()
    {
        ToolMainWindow window;
        auto* about = new aptui::DialogAbout(&window);
        window.setAboutDialog(about);
        showAt(window, QSize(1024, 720));
        QToolButton* button = titleButton(window, "TitleBar_btnAbout");
        QVERIFY(button->isVisible());
        QCOMPARE(window.aboutDialog(), about);
        QCOMPARE(about->window(), static_cast<QWidget*>(window.aboutMenu()));

        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(window.aboutMenu()->isVisible());
        QVERIFY(about->isVisible());
        // Under the button, right edges together.
        const QRect buttonGlobal(button->mapToGlobal(QPoint(0, 0)), button->size());
        QVERIFY(window.aboutMenu()->geometry().top() >= buttonGlobal.bottom());
        window.aboutMenu()->close();
        QTRY_VERIFY(!window.aboutMenu()->isVisible());

        // The corner button closes the popup too.
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(window.aboutMenu()->isVisible());
        about->conerButton()->click();
        QTRY_VERIFY(!window.aboutMenu()->isVisible());
    }

    void aboutBoxOfAMakerIsMadeWhenThePopupFirstOpens()
    {
        ToolMainWindow window;
        int made = 0;
        aptui::DialogAbout* about = nullptr;
        window.setAboutDialogMaker([&] {
            ++made;
            about = new aptui::DialogAbout(&window);
            return about;
        });
        auto* later = window.aboutMenu()->addAction(QStringLiteral("Print..."));
        showAt(window, QSize(1024, 720));
        QToolButton* button = titleButton(window, "TitleBar_btnAbout");
        QVERIFY(button->isVisible());
        QCOMPARE(made, 0);
        QCOMPARE(window.aboutDialog(), nullptr);

        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(window.aboutMenu()->isVisible());
        QCOMPARE(made, 1);
        QCOMPARE(window.aboutDialog(), about);
        QVERIFY(about->isVisible());
        // The box heads the popup; what was added before it stays below.
        const QList<QAction*> actions = window.aboutMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions.last(), later);
        window.aboutMenu()->close();
        QTRY_VERIFY(!window.aboutMenu()->isVisible());
        QCOMPARE(window.madeAboutDialog(), about);
        QCOMPARE(made, 1);
    }

    void windowRulesComeWithTheFirstOpening()
    {
        aptui::WindowSheets::setSource([](const QString& kind) {
            if (kind == QLatin1String("Menus"))
                return QStringLiteral("QMenu { background: #ff0000; }");
            return kind == QLatin1String("About") ? QStringLiteral("QLabel { color: #00ff00; }") : QString();
        });
        {
            ToolMainWindow window;
            window.setAboutDialogMaker([&window] { return new aptui::DialogAbout(&window); });
            aptui::Menu submenu;
            submenu.setTitle(QStringLiteral("Recent plans"));
            window.aboutMenu()->addMenu(&submenu);
            showAt(window, QSize(1024, 720));
            // Shown with the window, the menus were polished with it: rules of
            // their own would have been parsed then.
            QVERIFY(window.aboutMenu()->styleSheet().isEmpty());

            QTest::mouseClick(titleButton(window, "TitleBar_btnAbout"), Qt::LeftButton);
            QTRY_VERIFY(window.aboutMenu()->isVisible());
            QVERIFY(submenu.styleSheet().contains(QLatin1String("#ff0000")));
            QVERIFY(window.aboutDialog()->styleSheet().contains(QLatin1String("#00ff00")));
            // The popup is drawn with them, from its first opening on.
            const QImage shot = window.aboutMenu()->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() - 2, shot.height() - 2), QColor(0xff, 0x00, 0x00));
            window.aboutMenu()->close();
            QTest::mouseClick(titleButton(window, "TitleBar_btnAbout"), Qt::LeftButton);
            QTRY_VERIFY(window.aboutMenu()->isVisible());
            // Given once, not at every opening.
            QCOMPARE(window.aboutMenu()->styleSheet(), QStringLiteral("QMenu { background: #ff0000; }"));
            window.aboutMenu()->close();
        }
        aptui::WindowSheets::setSource({});
    }

    void restoreSize()
    {
        ToolMainWindow window;
        window.windowTitle()->setRestoreSize(QSize(1024, 720), QSize(10000, 10000));
        QCOMPARE(window.size(), QSize(1024, 720));
        QCOMPARE(window.maximumSize(), QSize(10000, 10000));
        QCOMPARE(window.windowTitle()->restoreSize(), QSize(1024, 720));
        QCOMPARE(window.windowTitle()->maxRestoreSize(), QSize(10000, 10000));
    }

    void windowButtons()
    {
        ToolMainWindow window;
        showAt(window, QSize(1024, 720));
        QToolButton* maximize = titleButton(window, "TitleBar_btnMax");
        QCOMPARE(maximize->toolTip(), QStringLiteral("Maximize"));
        maximize->click();
        QTRY_VERIFY(window.isMaximized());
        QCOMPARE(maximize->toolTip(), QStringLiteral("Restore"));
        // A double click on the bar restores.
        QTest::mouseDClick(window.windowTitle(), Qt::LeftButton, {}, QPoint(300, 20));
        QTRY_VERIFY(!window.isMaximized());
        QCOMPARE(maximize->toolTip(), QStringLiteral("Maximize"));

        titleButton(window, "TitleBar_btnMin")->click();
        QTRY_VERIFY(window.isMinimized());
        window.showNormal();

        titleButton(window, "TitleBar_btnClose")->click();
        QTRY_VERIFY(!window.isVisible());
    }

    void draggingTheTitleBarMovesTheWindow()
    {
        ToolMainWindow window;
        showAt(window, QSize(1024, 720));
        const QPoint start = window.pos();
        QWidget* bar = window.windowTitle();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(300, 20));
        QTest::mouseMove(bar, QPoint(400, 60));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(400, 60));
        // The window manager moves it where there is one; the offscreen
        // platform has none, so the bar moves it itself.
        QTRY_COMPARE(window.pos(), start + QPoint(100, 40));
    }

    void draggingAnEdgeResizes()
    {
        ToolMainWindow window;
        window.setMinimumSize(800, 600);
        showAt(window, QSize(1024, 720));
        QWindow* handle = window.windowHandle();
        const QPoint rightEdge(window.width() - 2, 300);
        QTest::mousePress(handle, Qt::LeftButton, {}, rightEdge);
        QTest::mouseMove(handle, rightEdge + QPoint(60, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, rightEdge + QPoint(60, 0));
        QTRY_COMPARE(window.width(), 1084);

        // Never below the minimum, from the left edge the right one stays.
        const int right = window.geometry().right();
        const QPoint leftEdge(1, 300);
        QTest::mousePress(handle, Qt::LeftButton, {}, leftEdge);
        QTest::mouseMove(handle, leftEdge + QPoint(500, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, leftEdge + QPoint(500, 0));
        QTRY_COMPARE(window.width(), 800);
        QCOMPARE(window.geometry().right(), right);
    }

    void windowAttributes()
    {
        ToolMainWindow window;
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setWindowAtrrib(false, true);
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.isWindow());
        window.setWindowAtrrib(true, false);
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        window.setWindowAtrrib(false, false);
        QVERIFY(!window.testAttribute(Qt::WA_TranslucentBackground));

        showAt(window, QSize(1024, 720));
        window.setWindowAtrrib(false, true);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestToolMainWindow)
#include "tst_ToolMainWindow.moc"
