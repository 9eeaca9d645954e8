// The hull creates the application object itself, so this test has its own
// main: it looks at the hull before initialize(), then initialises it the way
// the program does (with an id holding a blank) and runs the cases.

#include <Sarnet/ConfigureManager.h>
#include <Sarnet/LanaguageManager.h>

#include <Fenwork/BaseDialog.h>
#include <Sarnet/ToolApplicationHull.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {
struct BeforeInitialize
{
    bool startApp = true;
    unsigned int language = 99;
    int versionType = 0;
    QString appName = QStringLiteral("x");
    QString configFileName = QStringLiteral("x");
    QApplication* application = reinterpret_cast<QApplication*>(1);
    bool notify = true;
    bool preloadRan = false;
};
BeforeInitialize g_before;

const char kHullContext[] = "apt::ToolApplicationHull::ToolApplicationPrivate";

// Records the next modal dialog and answers it.
struct SeenDialog
{
    QString objectName;
    QString title;
    QString text;
    bool bottomVisible = false;
    QSize size;
};

void answerNext(QDialog::DialogCode answer, SeenDialog* seen)
{
    QTimer::singleShot(10, qApp, [=] {
        auto* dialog = qobject_cast<aptui::BaseDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            answerNext(answer, seen);
            return;
        }
        seen->objectName = dialog->objectName();
        seen->title = dialog->title();
        seen->text = dialog->defaultText();
        seen->bottomVisible = dialog->isBottomVisible();
        seen->size = dialog->size();
        dialog->done(answer);
    });
}

class QuitWatcher : public QObject
{
public:
    bool sawQuit = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Quit)
            sawQuit = true;
        return QObject::eventFilter(watched, event);
    }
};

class EventCounter : public QObject
{
public:
    int events = 0;
    bool throwOnUser = false;

protected:
    bool event(QEvent* event) override
    {
        ++events;
        if (throwOnUser && event->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QObject::event(event);
    }
};
} // namespace

class TestToolApplicationHull : public QObject
{
    Q_OBJECT

private:
    static apt::ToolApplicationHull* hull() { return apt::ToolApplicationHull::instance(); }

private Q_SLOTS:
    void beforeInitializeNothingWorks()
    {
        QVERIFY(!g_before.startApp);
        QCOMPARE(g_before.language, 0u);
        QCOMPARE(g_before.versionType, 1);
        QVERIFY(g_before.appName.isEmpty());
        QVERIFY(g_before.configFileName.isEmpty());
        QVERIFY(!g_before.application);
        QVERIFY(!g_before.notify);
    }

    void initializeCreatesTheApplicationOnce()
    {
        QVERIFY(hull()->application());
        QCOMPARE(hull()->application(), qApp);
        QCOMPARE(hull()->configFileName(), QStringLiteral("setup.xml"));
        QCOMPARE(hull()->appName(), QStringLiteral("Hull Test"));
        QCOMPARE(hull(), apt::ToolApplicationHull::instance());

        int argc = 1;
        char name[] = "again";
        char* argv[] = {name, nullptr};
        hull()->initialize(argc, argv, QStringLiteral("other.xml"), QStringLiteral("Other"));
        QCOMPARE(hull()->application(), qApp);
        QCOMPARE(hull()->configFileName(), QStringLiteral("setup.xml"));
    }

    void configurationAndTranslationsAreLoaded()
    {
        QCOMPARE(apt::ConfigureManager::instance()->count(), 8);
        QCOMPARE(hull()->language(), 0u);
        QCOMPARE(hull()->versionType(), 1);
        // English, three files; the program's own one is found only under the
        // blank-free id ("Vantrel_en.qm" for "Van trel"), and it is the one
        // that corrects this text.
        QCOMPARE(apt::LanaguageManager::instance()->translatorCount(), 3);
        QCOMPARE(QCoreApplication::translate("AboutDialog", "User Help"), QStringLiteral("User Manual"));
        QVERIFY(QCoreApplication::libraryPaths().contains(QCoreApplication::applicationDirPath()
                                                          + QStringLiteral("/plugins")));
    }

    void smallScreenQuestionAccepted()
    {
        // The offscreen platform has one 800 x 600 screen.
        SeenDialog seen;
        answerNext(QDialog::Accepted, &seen);
        QVERIFY(hull()->startApp());

        QCOMPARE(seen.objectName, QStringLiteral("APP_WARNINGDLG"));
        QCOMPARE(seen.title, QCoreApplication::translate(kHullContext, "Hint"));
        QCOMPARE(seen.text, QCoreApplication::translate(
                                kHullContext, "Display resolution less than 1024*768,are you sure to start the program?"));
        QVERIFY(seen.bottomVisible);
        QCOMPARE(seen.size, QSize(400, 256));
        // On this path the icon is not made the application's.
        QVERIFY(QApplication::windowIcon().isNull());
    }

    void startUpSetsFontStyleAndSkin()
    {
        QCOMPARE(QApplication::font().family(), QStringLiteral("Microsoft YaHei"));
        QCOMPARE(QApplication::font().pointSize(), 9);
        QCOMPARE(QApplication::font().hintingPreference(), QFont::PreferNoHinting);
        // The style sheet wraps the style; the accent of CommonStyle shows through.
        QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(0x5e, 0x6f, 0xec));
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
        // "Van trel" reads its style sheet from the folder "Vantrel".
        QVERIFY(qApp->styleSheet().contains(QStringLiteral("#ToolMainWindow_titleBar")));
        QCOMPARE(QLocale(), QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(QFile::exists(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/Vantrel.png")));
    }

    void dialogRulesComeWithTheDialog()
    {
        // Parsed before the first window only when a dialog is made.
        QVERIFY(!qApp->styleSheet().contains(QLatin1String("BaseDialog")));
        aptui::BaseDialog dialog(false, false, false, false, true, true, true, nullptr);
        dialog.SetFixedSize(400, 220);
        // In the skin's colours, the title bar in its accent.
        QVERIFY(dialog.styleSheet().contains(QLatin1String("aptui--BaseDialog")));
        const QColor title = dialog.grab().toImage().pixelColor(3, 10);
        QVERIFY2(qAbs(title.red() - 0x5e) <= 2 && qAbs(title.green() - 0x6f) <= 2 && qAbs(title.blue() - 0xec) <= 2,
                 qPrintable(title.name()));
    }

    void preloadTasksRunAfterStartOffTheMainThreadInOrder()
    {
        // Before initialize() the hull had no preload to run a task on.
        QVERIFY(!g_before.preloadRan);

        std::mutex mutex;
        QList<int> order;
        std::vector<std::thread::id> threads;
        for (int task = 1; task <= 2; ++task) {
            hull()->preload([&, task] {
                const std::lock_guard<std::mutex> lock(mutex);
                order << task;
                threads.push_back(std::this_thread::get_id());
            });
        }
        QTRY_VERIFY([&] {
            const std::lock_guard<std::mutex> lock(mutex);
            return order.size() == 2;
        }());
        QCOMPARE(order, (QList<int>{1, 2}));
        QVERIFY(threads.at(0) != std::this_thread::get_id());
        QCOMPARE(threads.at(1), threads.at(0));
    }

    void smallScreenQuestionDeclined()
    {
        SeenDialog seen;
        answerNext(QDialog::Rejected, &seen);
        QVERIFY(!hull()->startApp());
        QCOMPARE(seen.objectName, QStringLiteral("APP_WARNINGDLG"));
    }

    void fontChangeIsSwallowed()
    {
        EventCounter target;
        QEvent fontChange(QEvent::ApplicationFontChange);
        QVERIFY(hull()->notify(&target, &fontChange));
        QCOMPARE(target.events, 0);
        QEvent other(QEvent::User);
        hull()->notify(&target, &other);
        QCOMPARE(target.events, 1);
    }

    void toolTipsThroughTheApplication()
    {
        QLabel label(QStringLiteral("Parking Lot, 4K(3840x2160), H.265+"));
        label.setToolTip(QStringLiteral("scene"));
        label.show();
        QHelpEvent onLabel(QEvent::ToolTip, QPoint(1, 1), label.mapToGlobal(QPoint(1, 1)));
        QVERIFY(QApplication::sendEvent(&label, &onLabel));
        QCOMPARE(QToolTip::text(), label.text());
        QToolTip::hideText();

        QLineEdit edit(QStringLiteral("typed"));
        edit.setToolTip(QStringLiteral("own tip"));
        edit.show();
        QHelpEvent onEdit(QEvent::ToolTip, QPoint(1, 1), edit.mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(&edit, &onEdit);
        QCOMPARE(QToolTip::text(), QStringLiteral("own tip"));
        QToolTip::hideText();
    }

    void exceptionsStopAtTheApplication()
    {
        EventCounter target;
        target.throwOnUser = true;
        QEvent user(QEvent::User);
        QVERIFY(!hull()->notify(&target, &user));
        QCOMPARE(target.events, 1);
    }

    void distoryLeavesASoleInstanceRunning()
    {
        // distory() ends a running event loop only when another instance
        // holds the lock; a sole instance's loop must go on to its own end.
        QuitWatcher watcher;
        qApp->installEventFilter(&watcher);
        QMetaObject::invokeMethod(qApp, [] {
            apt::ToolApplicationHull::instance()->distory();
            // Queued behind anything distory() posted.
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(7); }, Qt::QueuedConnection);
        }, Qt::QueuedConnection);
        QCOMPARE(QCoreApplication::exec(), 7);
        qApp->removeEventFilter(&watcher);
        QVERIFY(!watcher.sawQuit);
        QVERIFY(hull()->application());
        // The preload has ended: what it would read now is read by whoever
        // asks for it.
        bool ran = false;
        hull()->preload([&ran] { ran = true; });
        QTest::qWait(50);
        QVERIFY(!ran);
    }
};

int main(int argc, char** argv)
{
    // A lock folder of its own: another run of this test at the same time
    // must not look like a second instance.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    g_before.startApp = hull->startApp();
    g_before.language = hull->language();
    g_before.versionType = hull->versionType();
    hull->setAppName(QStringLiteral("ignored"));
    g_before.appName = hull->appName();
    g_before.configFileName = hull->configFileName();
    g_before.application = hull->application();
    QEvent probe(QEvent::User);
    QObject target;
    g_before.notify = hull->notify(&target, &probe);
    hull->preload([] { g_before.preloadRan = true; });

    hull->initialize(argc, argv, QStringLiteral("setup.xml"), QStringLiteral("Van trel"));
    hull->setAppName(QStringLiteral("Hull Test"));
    TestToolApplicationHull test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ToolApplicationHull.moc"
