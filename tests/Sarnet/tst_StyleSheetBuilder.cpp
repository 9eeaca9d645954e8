#include <Sarnet/StyleSheetBuilder.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using apt::StyleSheetBuilder;

class TestStyleSheetBuilder : public QObject
{
    Q_OBJECT

private:
    static bool write(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

private Q_SLOTS:
    void folders()
    {
        QCOMPARE(StyleSheetBuilder::toolkitFolder(), QStringLiteral(":/Fenwork/Qss/Fenwork/"));
        QCOMPARE(StyleSheetBuilder::programFolder(QStringLiteral("Vantrel")), QStringLiteral(":/AppSkin/Qss/Vantrel/"));
    }

    void filesInNameOrderIgnoringCase()
    {
        QTemporaryDir dir;
        QVERIFY(write(dir.filePath(QStringLiteral("b.qss")), "B{}"));
        QVERIFY(write(dir.filePath(QStringLiteral("A.qss")), "A{}"));
        QVERIFY(write(dir.filePath(QStringLiteral("c.qss")), "C{}"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.qss")));
        QCOMPARE(StyleSheetBuilder::readFolder(dir.path()), QStringLiteral("A{}\nB{}\nC{}\n"));
    }

    void macOnlyFileIsLeftOut()
    {
        QTemporaryDir dir;
        QVERIFY(write(dir.filePath(QStringLiteral("Common.qss")), "common{}"));
        QVERIFY(write(dir.filePath(QStringLiteral("MacSpecial.qss")), "mac{}"));
        QCOMPARE(StyleSheetBuilder::readFolder(dir.path(), QStringLiteral("MacSpecial.qss")),
                 QStringLiteral("common{}\n"));
    }

    void missingFolderGivesNothing()
    {
        QVERIFY(StyleSheetBuilder::readFolder(QStringLiteral(":/Nowhere/")).isEmpty());
        // A program without a skin folder gets the toolkit's part alone.
        QCOMPARE(StyleSheetBuilder::build(QStringLiteral("NoSuchProgram")),
                 StyleSheetBuilder::readFolder(StyleSheetBuilder::toolkitFolder(), QStringLiteral("MacSpecial.qss")));
    }

    void paletteNamesAreReplaced()
    {
        const QString sheet = QStringLiteral("@accent: #5e6fec;\n"
                                             "  @accent-hover :#6f7ff0 ;\n"
                                             "A { color: @accent; }\n"
                                             "A:hover { color: @accent-hover; image: url(:/x/arrow@2x.png); }\n"
                                             "B { color: @unknown; }\n");
        QCOMPARE(StyleSheetBuilder::withPalette(sheet),
                 QStringLiteral("\n\n"
                                "A { color: #5e6fec; }\n"
                                "A:hover { color: #6f7ff0; image: url(:/x/arrow@2x.png); }\n"
                                "B { color: @unknown; }\n"));
        // A sheet without definitions passes unchanged.
        QCOMPARE(StyleSheetBuilder::withPalette(QStringLiteral("A { color: @a; }")), QStringLiteral("A { color: @a; }"));
    }
};

QTEST_GUILESS_MAIN(TestStyleSheetBuilder)
#include "tst_StyleSheetBuilder.moc"
