#include <Fenwork/GenericDS.h>

#include <TempProgramDir.h>

#include <QtTest>

class tst_GenericDS : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsChildrenInDocumentOrder();
    void missingChildReadsEmpty();
    void failedLoadKeepsPreviousDocument();
    void roundTrip();
};

void tst_GenericDS::readsChildrenInDocumentOrder()
{
    TempProgramDir dir;
    dir.write(QStringLiteral("a.xml"), "<?xml version=\"1.0\"?>\n<R><!-- note --><A>1</A>text<B><V>2</V></B><A>3</A></R>");
    aptui::GenericDS xml;
    QVERIFY(xml.loadXML(dir.filePath(QStringLiteral("a.xml"))));
    QCOMPARE(xml.GetName(), QStringLiteral("R"));
    QCOMPARE(xml.GetChildrenCount(), 3);
    QCOMPARE(xml.GetChild(0).GetValue(), QStringLiteral("1"));
    QCOMPARE(xml.GetChild(1).GetChildByName(QStringLiteral("V")).GetValue(), QStringLiteral("2"));
    QCOMPARE(xml.GetChildByName(QStringLiteral("A")).GetValue(), QStringLiteral("1"));
    // An element's value is all the text it holds, in order; its line is
    // where it starts.
    QCOMPARE(xml.GetValue(), QStringLiteral("1text23"));
    QCOMPARE(xml.GetChild(2).LineNumber(), 2);
    QVERIFY(xml.GetChild(2).NextSibling().isNull());
}

void tst_GenericDS::missingChildReadsEmpty()
{
    TempProgramDir dir;
    dir.write(QStringLiteral("a.xml"), "<R><A/></R>");
    aptui::GenericDS xml;
    QVERIFY(xml.loadXML(dir.filePath(QStringLiteral("a.xml"))));
    QVERIFY(xml.GetChildByName(QStringLiteral("Z")).isNull());
    QCOMPARE(xml.GetChildByName(QStringLiteral("Z")).GetChildByName(QStringLiteral("Y")).GetValue(), QString());
    QCOMPARE(xml.GetChild(9).GetChildrenCount(), 0);
    QCOMPARE(xml.GetChild(-1).GetValue(), QString());
    QCOMPARE(xml.GetChild(0).GetValue(), QString());
}

void tst_GenericDS::failedLoadKeepsPreviousDocument()
{
    TempProgramDir dir;
    dir.write(QStringLiteral("good.xml"), "<R><A>1</A></R>");
    dir.write(QStringLiteral("bad.xml"), "<R><A>1</R>");
    dir.write(QStringLiteral("empty.xml"), "");
    aptui::GenericDS xml;
    QVERIFY(xml.loadXML(dir.filePath(QStringLiteral("good.xml"))));
    QVERIFY(!xml.loadXML(dir.filePath(QStringLiteral("bad.xml"))));
    QVERIFY(!xml.loadXML(dir.filePath(QStringLiteral("empty.xml"))));
    QVERIFY(!xml.loadXML(dir.filePath(QStringLiteral("missing.xml"))));
    // Two roots, and nesting no file of ours has, are no documents either.
    dir.write(QStringLiteral("two.xml"), "<R/><S/>");
    QVERIFY(!xml.loadXML(dir.filePath(QStringLiteral("two.xml"))));
    dir.write(QStringLiteral("deep.xml"), QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000));
    QVERIFY(!xml.loadXML(dir.filePath(QStringLiteral("deep.xml"))));
    QCOMPARE(xml.GetChild(0).GetValue(), QStringLiteral("1"));
}

void tst_GenericDS::roundTrip()
{
    TempProgramDir dir;
    aptui::GenericDS xml;
    xml.CreateASRoot(QStringLiteral("Setup"));
    aptui::GenericDS skin = xml.CreateChild(QStringLiteral("Skin"));
    skin.CreateChild(QStringLiteral("Value")).SetValue(QStringLiteral("Common & <Skin>"));
    QVERIFY(xml.SaveXML(dir.filePath(QStringLiteral("s.xml"))));
    aptui::GenericDS loaded;
    QVERIFY(loaded.loadXML(dir.filePath(QStringLiteral("s.xml"))));
    QCOMPARE(loaded.GetChildByName(QStringLiteral("Skin")).GetChildByName(QStringLiteral("Value")).GetValue(),
             QStringLiteral("Common & <Skin>"));
}

QTEST_GUILESS_MAIN(tst_GenericDS)
#include "tst_GenericDS.moc"
