#include <Sarnet/SkinLoader.h>

#include <QCoreApplication>
#include <QFile>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using apt::SkinLoader;

// Every case gets its own folder of fresh copies, so no case sees a plug-in
// that an earlier one loaded.
class TestSkinLoader : public QObject
{
    Q_OBJECT

private:
    static QString built(const QString& folder, const QString& name)
    {
        return QCoreApplication::applicationDirPath() + QLatin1Char('/') + folder + QLatin1Char('/') + name;
    }

    static bool copy(const QString& from, const QTemporaryDir& dir, const QString& name)
    {
        return QFile::copy(from, dir.filePath(name));
    }

    static bool write(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

    static QString alpha() { return built(QStringLiteral("test_skins"), QStringLiteral("libTestSkinAlpha.so")); }
    static QString beta() { return built(QStringLiteral("test_skins"), QStringLiteral("libTestSkinBeta.so")); }

    static QString offered(QObject* instance)
    {
        return instance ? instance->metaObject()->className() : QString();
    }

private Q_SLOTS:
    void firstPluginInNameOrderIgnoringCaseWins()
    {
        QTemporaryDir dir;
        // Byte order would try "B_beta" first; the folder is read ignoring case.
        QVERIFY(copy(alpha(), dir, QStringLiteral("a_alpha.so")));
        QVERIFY(copy(beta(), dir, QStringLiteral("B_beta.so")));
        QCOMPARE(SkinLoader::folderFiles(dir.path()), QStringList({"a_alpha.so", "B_beta.so"}));

        // A skin found loads without a word on standard error.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("LoadSkin")));
        QObject* skin = SkinLoader::load(dir.path(), QStringLiteral("Shared"));
        QVERIFY(skin);
        QVERIFY(QPluginLoader(dir.filePath(QStringLiteral("a_alpha.so"))).isLoaded());
        QVERIFY(!QPluginLoader(dir.filePath(QStringLiteral("B_beta.so"))).isLoaded());
    }

    void pluginsWithoutTheSkinAreUnloaded()
    {
        QTemporaryDir dir;
        QVERIFY(copy(alpha(), dir, QStringLiteral("a_alpha.so")));
        QVERIFY(copy(beta(), dir, QStringLiteral("b_beta.so")));

        // A skin found loads without a word on standard error.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("LoadSkin")));
        QObject* skin = SkinLoader::load(dir.path(), QStringLiteral("Beta"));
        QVERIFY(skin);
        QVERIFY(QPluginLoader(dir.filePath(QStringLiteral("b_beta.so"))).isLoaded());
        QVERIFY(!QPluginLoader(dir.filePath(QStringLiteral("a_alpha.so"))).isLoaded());
    }

    void otherFilesAreSkipped()
    {
        QTemporaryDir dir;
        QVERIFY(write(dir, QStringLiteral("0_readme.txt"), "not a plug-in"));
        QVERIFY(write(dir, QStringLiteral("1_fake.so"), QByteArray(4096, '\x7f')));
        QVERIFY(copy(built(QString(), QStringLiteral("libFenwork.so")), dir, QStringLiteral("2_library.so")));
        QVERIFY(copy(beta(), dir, QStringLiteral("3_beta.so")));

        // A skin found loads without a word on standard error.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("LoadSkin")));
        QVERIFY(SkinLoader::load(dir.path(), QStringLiteral("Beta")));
    }

    void skinNamesAreCaseSensitive()
    {
        QTemporaryDir dir;
        QVERIFY(copy(beta(), dir, QStringLiteral("beta.so")));
        QTest::ignoreMessage(QtWarningMsg, "[Tool]LoadSkin = beta failed");
        QVERIFY(!SkinLoader::load(dir.path(), QStringLiteral("beta")));
        QVERIFY(!QPluginLoader(dir.filePath(QStringLiteral("beta.so"))).isLoaded());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("withFolder");
        QTest::newRow("nobody offers it") << QStringLiteral("Missing") << true;
        QTest::newRow("no skin name") << QString() << true;
        QTest::newRow("no folder") << QStringLiteral("Beta") << false;
    }

    void failures()
    {
        QFETCH(QString, skin);
        QFETCH(bool, withFolder);
        QTemporaryDir dir;
        QVERIFY(copy(alpha(), dir, QStringLiteral("alpha.so")));
        const QString folder = withFolder ? dir.path() : dir.filePath(QStringLiteral("absent"));
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("[Tool]LoadSkin = %1 failed").arg(skin)));
        QVERIFY(!SkinLoader::load(folder, skin));
    }

    // The skin the program ships carries the images the windows use.
    void commonSkinCarriesTheProgramResources()
    {
        QVERIFY(!QFile::exists(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/Vantrel.png")));
        // A skin found loads without a word on standard error.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("LoadSkin")));
        QObject* skin = SkinLoader::load(built(QStringLiteral("plugins"), QStringLiteral("skins")),
                                         QStringLiteral("CommonSkin"));
        QCOMPARE(offered(skin), QStringLiteral("CommonSkinPlugin"));
        const QStringList images = {
            QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/logo_qzt_36.png"),
            QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/Vantrel.png"),
            QStringLiteral(":/CommonSkin/Morvane/Images/Morvane/DeviceInfo/icon_state_ok.png"),
            QStringLiteral(":/CommonSkin/Morvane/Images/Morvane/DeviceInfo/icon_state_error.png")};
        for (const QString& image : images) {
            QImage loaded(image);
            QVERIFY2(!loaded.isNull(), qPrintable(image));
        }
        QCOMPARE(QImage(images.first()).size(), QSize(36, 36));
        QVERIFY(QFile::exists(QStringLiteral(":/AppSkin/Qss/Vantrel/Vantrel.qss")));
    }
};

QTEST_GUILESS_MAIN(TestSkinLoader)
#include "tst_SkinLoader.moc"
