#include <Sarnet/StyleSheetBuilder.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
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

    // The palette rule as patterns, the way the sheets were first read: the
    // reader must give the same sheet.
    static QString paletteByPatterns(const QString& sheet)
    {
        const QRegularExpression definition(
            QStringLiteral(R"(^[ \t]*@([A-Za-z][\w-]*)[ \t]*:[ \t]*([^;\n]*?)[ \t]*;[ \t]*$)"),
            QRegularExpression::MultilineOption);
        const QRegularExpression use(QStringLiteral(R"(@([A-Za-z][\w-]*))"));
        QHash<QString, QString> values;
        for (auto it = definition.globalMatch(sheet); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            values.insert(match.captured(1), match.captured(2));
        }
        if (values.isEmpty())
            return sheet;
        QString rules = sheet;
        rules.remove(definition);
        QString result;
        qsizetype copied = 0;
        for (auto it = use.globalMatch(rules); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const auto value = values.constFind(match.captured(1));
            if (value == values.constEnd())
                continue;
            result += QStringView(rules).mid(copied, match.capturedStart() - copied);
            result += *value;
            copied = match.capturedEnd();
        }
        result += QStringView(rules).mid(copied);
        return result;
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

    void paletteAsThePatternsRead_data()
    {
        QTest::addColumn<QString>("sheet");
        const QString skin = StyleSheetBuilder::readFolder(QStringLiteral(VANTREL_SKIN_QSS));
        QVERIFY(skin.contains(QLatin1String("@accent:")));
        QTest::newRow("the skin") << skin;
        QTest::newRow("edges") << QStringLiteral(
            "@a: 1;\n@a:2 ;\n@b-c_9:\t ;\n\t@d : x y\t; \n@e: f;g;\n@h: i\n@j: k; x\n@k: l;\r\n"
            " @m :n;\nX{a:@a;b:@b-c_9;c:@d@a;d:@@a;e:@9;f:@;g:@ax;h:a@a}@\n@z: end;");
        QTest::newRow("no definitions") << QStringLiteral("A { color: @a; }\n@ \n@");
        QTest::newRow("empty") << QString();
    }

    void paletteAsThePatternsRead()
    {
        QFETCH(QString, sheet);
        QCOMPARE(StyleSheetBuilder::withPalette(sheet), paletteByPatterns(sheet));
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
