#include <Sarnet/ConfigureManager.h>

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using apt::ConfigureManager;

class TestConfigureManager : public QObject
{
    Q_OBJECT

private:
    QString writeConfig(const QByteArray& body)
    {
        const QString path = m_dir.filePath(QStringLiteral("setup%1.xml").arg(++m_files));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Root>" + body + "</Root>\n");
        return path;
    }

    static ConfigureManager* manager() { return ConfigureManager::instance(); }

    QTemporaryDir m_dir;
    int m_files = 0;

private Q_SLOTS:
    void shippedFileHasEveryItem()
    {
        QVERIFY(manager()->load(QCoreApplication::applicationDirPath() + QStringLiteral("/setup.xml")));
        QCOMPARE(manager()->count(), 8);
        for (int index = ConfigureManager::Translator; index <= ConfigureManager::Skin; ++index)
            QVERIFY2(manager()->configureItem(index), qPrintable(ConfigureManager::itemName(index)));
        QCOMPARE(manager()->translator(), 0u);
        QCOMPARE(manager()->versionType(), 1);
        QCOMPARE(manager()->configureItem(ConfigureManager::Skin)->value(), QStringLiteral("CommonSkin"));
    }

    void itemsInFileOrderAndFirstOfTwoWins()
    {
        const QString path = writeConfig(
            "<Skin><Value>First</Value></Skin>"
            "<Translator><Value>1</Value></Translator>"
            "<Skin><Value>Second</Value></Skin>");
        QVERIFY(manager()->load(path));
        QCOMPARE(manager()->fileName(), path);
        QCOMPARE(manager()->count(), 3);
        QCOMPARE(manager()->configureItem(ConfigureManager::Skin)->value(), QStringLiteral("First"));
        QCOMPARE(manager()->translator(), 1u);
    }

    void valueIsTheFirstValueChild()
    {
        QVERIFY(manager()->load(writeConfig(
            "<LogSaveDay><Note>x</Note><Value>30</Value><Value>40</Value></LogSaveDay>"
            "<PingThread/>")));
        QCOMPARE(manager()->intValue(ConfigureManager::LogSaveDay), 30);
        // An element without a Value child is an item with an empty value.
        QVERIFY(manager()->configureItem(ConfigureManager::PingThread));
        QCOMPARE(manager()->intValue(ConfigureManager::PingThread), 0);
    }

    void namesAreCaseSensitive()
    {
        QVERIFY(manager()->load(writeConfig("<skin><Value>lower</Value></skin>")));
        QVERIFY(!manager()->configureItem(ConfigureManager::Skin));
    }

    void versionType_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << QByteArray("<VersionType><Value>3</Value></VersionType>") << 3;
        QTest::newRow("negative number") << QByteArray("<VersionType><Value>-2</Value></VersionType>") << -2;
        QTest::newRow("not a number") << QByteArray("<VersionType><Value>pro</Value></VersionType>") << 0;
        QTest::newRow("empty value") << QByteArray("<VersionType><Value></Value></VersionType>") << 0;
        QTest::newRow("missing") << QByteArray("<Skin><Value>CommonSkin</Value></Skin>") << 1;
    }

    void versionType()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, expected);
        QVERIFY(manager()->load(writeConfig(body)));
        QCOMPARE(manager()->versionType(), expected);
    }

    void translator_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<uint>("expected");
        QTest::newRow("chinese") << QByteArray("<Translator><Value>1</Value></Translator>") << 1u;
        QTest::newRow("font language") << QByteArray("<Translator><Value>10</Value></Translator>") << 10u;
        QTest::newRow("negative") << QByteArray("<Translator><Value>-1</Value></Translator>") << 0u;
        QTest::newRow("text") << QByteArray("<Translator><Value>zh</Value></Translator>") << 0u;
        QTest::newRow("missing") << QByteArray("<LogLevel><Value>2</Value></LogLevel>") << 0u;
    }

    void translator()
    {
        QFETCH(QByteArray, body);
        QFETCH(uint, expected);
        QVERIFY(manager()->load(writeConfig(body)));
        QCOMPARE(manager()->translator(), expected);
    }

    void missingItemIsMinusOne()
    {
        QVERIFY(manager()->load(writeConfig("<Translator><Value>1</Value></Translator>")));
        QCOMPARE(manager()->intValue(ConfigureManager::TaskThread), -1);
        QCOMPARE(manager()->intValue(99), -1);
        QVERIFY(!manager()->configureItem(-1));
        QVERIFY(ConfigureManager::itemName(8).isEmpty());
    }

    void failedLoadLeavesDefaults_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("nowhere.xml"));
        QTest::newRow("not xml") << QString();
    }

    void failedLoadLeavesDefaults()
    {
        QFETCH(QString, path);
        if (path.isEmpty()) {
            path = m_dir.filePath(QStringLiteral("broken.xml"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<Root><Translator><Value>1</Value></Translator>"); // never closed
        }
        QVERIFY(manager()->load(writeConfig("<Translator><Value>1</Value></Translator>")));
        QVERIFY(!manager()->load(path));
        QCOMPARE(manager()->count(), 0);
        QVERIFY(manager()->fileName().isEmpty());
        QCOMPARE(manager()->translator(), 0u);
        QCOMPARE(manager()->versionType(), 1);
        QVERIFY(!manager()->configureItem(ConfigureManager::Skin));
    }

    // An installed program's folder is read-only: the user's own copy, in
    // the configuration folder, is read instead of the shipped one.
    void userCopyWins()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/setup.xml");
        const QString own = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            + QStringLiteral("/setup.xml");
        QFile::remove(own);
        QCOMPARE(ConfigureManager::locate(QStringLiteral("setup.xml")), shipped);
        QVERIFY(QDir().mkpath(QFileInfo(own).absolutePath()));
        QVERIFY(QFile::copy(writeConfig("<Translator><Value>1</Value></Translator>"), own));
        const auto cleanUp = qScopeGuard([&own] { QFile::remove(own); });
        QCOMPARE(ConfigureManager::locate(QStringLiteral("setup.xml")), own);
        QVERIFY(manager()->load(ConfigureManager::locate(QStringLiteral("setup.xml"))));
        QCOMPARE(manager()->translator(), 1u);
    }
};

QTEST_GUILESS_MAIN(TestConfigureManager)
#include "tst_ConfigureManager.moc"
