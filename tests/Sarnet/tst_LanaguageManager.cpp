#include <Sarnet/ConfigureManager.h>
#include <Sarnet/LanaguageManager.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using apt::LanaguageManager;

namespace {
// The program's own catalogues: its texts and the names from its data files.
const QStringList kCatalogues{QStringLiteral("Vantrel"), QStringLiteral("VantrelData")};
} // namespace

class TestLanaguageManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<uint>("language");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("english") << 0u
                                 << QStringList{"Vantrel_en.qm", "VantrelData_en.qm", "Fenwork_en.qm", "Sarnet_en.qm"}
                                 << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("chinese") << 1u
                                 << QStringList{"Vantrel_zh.qm", "VantrelData_zh.qm", "qt_zh_CN.qm", "Fenwork_zh.qm",
                                                "Sarnet_zh.qm"}
                                 << QLocale(QLocale::Chinese, QLocale::China);
        QTest::newRow("font language 9") << 9u << QStringList() << QLocale();
        QTest::newRow("font language 10") << 10u << QStringList() << QLocale();
    }

    void choice()
    {
        QFETCH(uint, language);
        QFETCH(QStringList, files);
        QFETCH(QLocale, locale);
        const LanaguageManager::Choice choice = LanaguageManager::choiceFor(language, kCatalogues);
        QCOMPARE(choice.files, files);
        QCOMPARE(choice.changesLocale, !files.isEmpty());
        if (choice.changesLocale)
            QCOMPARE(choice.locale, locale);
    }

    // The shipped files exist for both languages the tool speaks.
    void shippedTranslationsExist()
    {
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/translations/");
        for (const uint language : {0u, 1u}) {
            for (const QString& file : LanaguageManager::choiceFor(language, kCatalogues).files)
                QVERIFY2(QFile::exists(folder + file), qPrintable(file));
        }
    }

    // One process, one initialisation: Chinese from a configuration file.
    void chineseInstallsFiveTranslators()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("setup.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Setup><Translator><Value>1</Value></Translator></Setup>");
        file.close();
        QVERIFY(apt::ConfigureManager::instance()->load(path));

        LanaguageManager* manager = LanaguageManager::instance();
        QCOMPARE(manager->language(), 0u);
        manager->initialize(kCatalogues);
        QCOMPARE(manager->language(), 1u);
        QCOMPARE(manager->translatorCount(), 5);
        QCOMPARE(manager->locale(), QLocale(QLocale::Chinese, QLocale::China));

        // Each file answers in its own context: program, data names,
        // toolkit, shell, Qt.
        QCOMPARE(QCoreApplication::translate("Vantrel", "Exit"), QStringLiteral("退出"));
        QCOMPARE(QCoreApplication::translate("DataNames", "Parking Lot"), QStringLiteral("停车场"));
        QCOMPARE(QCoreApplication::translate("aptui::BaseDialog", "Cancel"), QStringLiteral("取消"));
        QCOMPARE(QCoreApplication::translate("apt::ToolApplicationHull::ToolApplicationPrivate", "Hint"),
                 QStringLiteral("提示"));
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QStringLiteral("&Undo"));
    }
};

QTEST_GUILESS_MAIN(TestLanaguageManager)
#include "tst_LanaguageManager.moc"
