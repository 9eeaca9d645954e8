#include "Vantrel.h"
#include "WindowSizeRule.h"

#include <Fenwork/BaseDialog.h>
#include <Fenwork/ToolTitleBar.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

// The main window's frame: sizes, flags and the question before it closes.
class TestVantrelFrame : public QObject
{
    Q_OBJECT

private:
    struct Question
    {
        QString title;
        QString text;
        bool coveredWhileAsking = false;
        bool seen = false;
    };

    // Answers the exit question once it is open and notes what it showed.
    static void answerExit(Vantrel* window, QDialog::DialogCode answer, Question* seen)
    {
        QTimer::singleShot(10, window, [=] {
            auto* dialog = qobject_cast<aptui::BaseDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                answerExit(window, answer, seen);
                return;
            }
            seen->seen = true;
            seen->title = dialog->title();
            seen->text = dialog->defaultText();
            seen->coveredWhileAsking = window->isCovered();
            dialog->done(answer);
        });
    }

private Q_SLOTS:
    void frame()
    {
        Vantrel window;
        QCOMPARE(window.appTitle(), QStringLiteral("Vantrel"));
        QCOMPARE(window.minimumSize(), QSize(1024, 720));
        QCOMPARE(window.maximumSize(), QSize(10000, 10000));
        QCOMPARE(window.windowTitle()->restoreSize(), QSize(1024, 720));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(!window.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(window.getSetupUiWidget());
    }

    void startSize_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<bool>("atOrigin");
        QTest::newRow("1366x728 is low: fill it") << QRect(0, 0, 1366, 728) << QSize(1366, 728) << QSize(1366, 728) << true;
        QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << QSize(1200, 750) << QSize(1024, 720) << false;
        QTest::newRow("1920x1040 below a panel") << QRect(0, 40, 1920, 1040) << QSize(1200, 750) << QSize(1024, 720) << false;
        QTest::newRow("exactly 750 high") << QRect(0, 0, 1400, 750) << QSize(1200, 750) << QSize(1024, 720) << false;
        QTest::newRow("749 wide") << QRect(0, 0, 749, 1000) << QSize(749, 1000) << QSize(749, 1000) << true;
    }

    void startSize()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, size);
        QFETCH(QSize, minimum);
        QFETCH(bool, atOrigin);
        Vantrel window;
        window.move(30, 30);
        window.show();
        WindowSizeRule::apply(window, available);
        QCOMPARE(window.size(), size);
        QCOMPARE(window.minimumSize(), minimum);
        QCOMPARE(window.maximumSize(), QSize(10000, 10000));
        if (atOrigin) {
            QCOMPARE(window.pos(), QPoint(0, 0));
            QCOMPARE(window.windowTitle()->restoreSize(), available.size());
        } else {
            QCOMPARE(window.windowTitle()->restoreSize(), QSize(1024, 720));
        }
    }

    void declinedExitKeepsTheWindow()
    {
        Vantrel window;
        window.show();
        Question seen;
        answerExit(&window, QDialog::Rejected, &seen);
        QVERIFY(!window.close());
        QVERIFY(seen.seen);
        QCOMPARE(seen.title, QStringLiteral("Exit"));
        QCOMPARE(seen.text, QStringLiteral("Exit the Morvane software?"));
        QVERIFY(seen.coveredWhileAsking);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isCovered());
    }

    void confirmedExitCloses()
    {
        Vantrel window;
        window.show();
        Question seen;
        answerExit(&window, QDialog::Accepted, &seen);
        QVERIFY(window.close());
        QVERIFY(seen.seen);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isCovered());
    }
};

QTEST_MAIN(TestVantrelFrame)
#include "tst_VantrelFrame.moc"
