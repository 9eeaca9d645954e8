#include <Sarnet/InstanceBell.h>
#include <Sarnet/InstanceLock.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

#include <future>

using SharedTools::InstanceBell;
using SharedTools::InstanceLock;

// Real processes started through the exported shell (sarnet_instance_helper)
// and the lock underneath them.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    // An id of its own per run, so a run never meets a leftover of another.
    QString uniqueId(const QString& base) const
    {
        return QStringLiteral("%1 %2 %3").arg(base).arg(QCoreApplication::applicationPid()).arg(++m_ids);
    }

    static QString helper()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/sarnet_instance_helper");
    }

    struct Run
    {
        int exitCode = -1;
        QStringList lines;
    };

    static Run runToEnd(const QString& id)
    {
        QProcess process;
        process.start(helper(), {id});
        Run run;
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        run.lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return run;
    }

    // Starts a helper that keeps running and waits until it has started.
    static bool startHolder(QProcess& process, const QString& id)
    {
        process.start(helper(), {id, QStringLiteral("60000")});
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (!process.waitForReadyRead(200) && process.state() != QProcess::Running)
                return false;
            if (process.peek(4096).contains("window minimized"))
                return true;
        }
        return false;
    }

    static bool waitForLine(QProcess& process, const QByteArray& line)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && !process.peek(4096).contains(line))
            process.waitForReadyRead(200);
        return process.peek(4096).contains(line);
    }

    // Ends a holder the hard way and clears the lock file it leaves.
    static void stop(QProcess& process, const QString& id)
    {
        process.kill();
        process.waitForFinished(5000);
        QFile::remove(InstanceLock::lockFilePath(id));
    }

    mutable int m_ids = 0;

private Q_SLOTS:
    void bellHearsRingsInPiecesPastSilentCallers()
    {
        const QString id = uniqueId(QStringLiteral("Bell"));
        InstanceBell bell(id);
        QVERIFY(bell.listen());
        QSignalSpy rung(&bell, &InstanceBell::rung);
        // Reached as Qt's local socket of that name: a start of an earlier
        // version rings the same bell.
        const QString name = InstanceBell::serverName(id);
        QLocalSocket silent;
        silent.connectToServer(name);
        QVERIFY(silent.waitForConnected(2000));
        QLocalSocket caller;
        caller.connectToServer(name);
        QVERIFY(caller.waitForConnected(2000));
        caller.write("raise\nopen " + QStringLiteral("/plans/a b.vantrel").toUtf8().toBase64());
        caller.flush();
        QTest::qWait(50);
        QCOMPARE(rung.count(), 0);
        caller.write("\nend\n");
        caller.flush();
        QTRY_COMPARE(rung.count(), 1);
        QCOMPARE(rung.at(0).at(0).toStringList(), QStringList{ QStringLiteral("/plans/a b.vantrel") });
        QTRY_VERIFY(caller.canReadLine());
        QCOMPARE(caller.readLine(), QByteArray("ok\n"));

        // A second start's own ring, answered while this one waits.
        auto ring = std::async(std::launch::async, [&bell] { return bell.ring({ QStringLiteral("/plans/c.vantrel") }); });
        QTRY_VERIFY(ring.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(ring.get());
        QCOMPARE(rung.count(), 2);
        QCOMPARE(rung.at(1).at(0).toStringList(), QStringList{ QStringLiteral("/plans/c.vantrel") });
    }

    void secondInstanceIsRefused()
    {
        const QString id = uniqueId(QStringLiteral("Refused"));
        QProcess first;
        QVERIFY(startHolder(first, id));

        const Run second = runToEnd(id);
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(second.lines,
                 QStringList({QStringLiteral("dialog APP_WARNINGDLG|Helper App is already running.|OK"),
                              QStringLiteral("startApp 0")}));
        // The first keeps running and brings its window out of the task bar.
        QVERIFY(waitForLine(first, "raised"));
        QCOMPARE(first.state(), QProcess::Running);
        stop(first, id);
    }

    void otherIdsDoNotMeet()
    {
        const QString id = uniqueId(QStringLiteral("My Tool"));
        QProcess first;
        QVERIFY(startHolder(first, id));
        QString withoutBlank = id;
        withoutBlank.remove(QLatin1Char(' '));
        const Run other = runToEnd(withoutBlank);
        QCOMPARE(other.exitCode, 0);
        QVERIFY2(other.lines.contains(QStringLiteral("startApp 1")), qPrintable(other.lines.join(u'\n')));
        stop(first, id);
    }

    void crashedInstanceIsTakenOver()
    {
        const QString id = uniqueId(QStringLiteral("Crashed"));
        QProcess first;
        QVERIFY(startHolder(first, id));
        first.kill(); // SIGKILL: the lock file stays behind
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(QFile::exists(InstanceLock::lockFilePath(id)));

        const Run next = runToEnd(id);
        QVERIFY2(next.lines.contains(QStringLiteral("startApp 1")), qPrintable(next.lines.join(u'\n')));
        QCOMPARE(next.exitCode, 0);
    }

    void notALiveInstanceIsTakenOver_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("empty file") << QStringLiteral("file") << QByteArray();
        QTest::newRow("garbage") << QStringLiteral("file") << QByteArray("\x01\xff not a lock\n\n");
        QTest::newRow("link to a text file") << QStringLiteral("link") << QByteArray("notes of the user\n");
        // The test itself: a live process, but not the program that starts.
        QTest::newRow("live pid of another program")
            << QStringLiteral("file")
            << QByteArray::number(QCoreApplication::applicationPid()) + "\nsarnet_instance_helper\n" + host + "\n";
        QTest::newRow("pid 1") << QStringLiteral("file") << "1\nVantrel\n" + host + "\n";
    }

    void notALiveInstanceIsTakenOver()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        const QString id = uniqueId(QStringLiteral("Hostile"));
        const QString path = InstanceLock::lockFilePath(id);
        QTemporaryDir dir;
        const QString text = dir.filePath(QStringLiteral("notes.txt"));
        QFile file(kind == QLatin1String("link") ? text : path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(text, path));

        const auto removeLock = qScopeGuard([&path] { QFile::remove(path); });
        const Run next = runToEnd(id);
        QVERIFY2(next.lines.contains(QStringLiteral("startApp 1")), qPrintable(next.lines.join(u'\n')));
        QCOMPARE(next.exitCode, 0);
        // The lock went away with the instance, and what a link named is
        // left as it was.
        QVERIFY(!QFileInfo::exists(path) && !QFileInfo(path).isSymLink());
        if (kind == QLatin1String("link")) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }
    }

    void finishedInstanceFreesTheId()
    {
        const QString id = uniqueId(QStringLiteral("Finished"));
        const Run first = runToEnd(id);
        QVERIFY(first.lines.contains(QStringLiteral("startApp 1")));
        QVERIFY(!QFile::exists(InstanceLock::lockFilePath(id)));
        const Run second = runToEnd(id);
        QVERIFY(second.lines.contains(QStringLiteral("startApp 1")));
    }

    void lockInOneProcess()
    {
        const QString id = uniqueId(QStringLiteral("Local"));
        InstanceLock first(id);
        QVERIFY(first.tryAcquire());
        QVERIFY(first.tryAcquire()); // asking again keeps it
        InstanceLock second(id);
        QVERIFY(!second.tryAcquire());
        QVERIFY(!second.isHeld());
    }

    void oldLockOfALiveProcessHolds()
    {
        // However long the holder runs, its lock is not judged stale by age.
        const QString id = uniqueId(QStringLiteral("Old"));
        InstanceLock holder(id);
        QVERIFY(holder.tryAcquire());
        QFile file(holder.filePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        file.close();
        InstanceLock other(id);
        QVERIFY(!other.tryAcquire());
    }

    void leftoverLockOfAGoneProcessIsTakenOver()
    {
        const QString id = uniqueId(QStringLiteral("Leftover"));
        const QString path = InstanceLock::lockFilePath(id);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // pid, application name, host name, as QLockFile writes them; no
        // process has this pid (above the kernel's limit).
        file.write("99999999\nVantrel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        file.close();
        InstanceLock lock(id);
        QVERIFY(lock.tryAcquire());
    }

    void oldLockOfAnotherHostIsTakenOver()
    {
        const QString id = uniqueId(QStringLiteral("Foreign"));
        QFile file(InstanceLock::lockFilePath(id));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("4242\nVantrel\nsome-other-host\n");
        file.flush();
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-InstanceLock::kForeignLockAgeSeconds - 60),
                                 QFileDevice::FileModificationTime));
        file.close();
        InstanceLock lock(id);
        QVERIFY(lock.tryAcquire());
        lock.release();

        // A fresh one of another host may belong to a live process: it holds.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("4242\nVantrel\nsome-other-host\n");
        file.close();
        InstanceLock fresh(id);
        QVERIFY(!fresh.tryAcquire());
        QVERIFY(!fresh.isUnavailable());
        QFile::remove(file.fileName());
    }

    void noWritableFolderIsNoSecondInstance()
    {
        // Folders below a plain file cannot be made, not even by root.
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        QFile plain(blocker);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        InstanceLock lock(uniqueId(QStringLiteral("Nowhere")), blocker + QStringLiteral("/run"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot create the single-instance lock")));
        QVERIFY2(!lock.tryAcquire(), qPrintable(lock.filePath()));
        QVERIFY(lock.isUnavailable());
    }

    void lockFileNames()
    {
        const QString a = InstanceLock::lockFilePath(QStringLiteral("My Tool"));
        QCOMPARE(a, InstanceLock::lockFilePath(QStringLiteral("My Tool")));
        QVERIFY(a != InstanceLock::lockFilePath(QStringLiteral("MyTool")));
        QVERIFY(a != InstanceLock::lockFilePath(QStringLiteral("My_Tool")));
        QVERIFY(!QFileInfo(a).fileName().contains(QLatin1Char(' ')));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
