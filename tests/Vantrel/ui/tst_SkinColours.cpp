#include "SkinColours/SkinColours.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The figures' colours must be the skin's: every colour the code names has
// the value the skin's palette gives that name.
class tst_SkinColours : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchTheSkinPalette();
    void resolveReplacesNames();
};

void tst_SkinColours::matchTheSkinPalette()
{
    QFile file(QStringLiteral(VANTREL_SKIN_PALETTE));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString palette = QString::fromUtf8(file.readAll());
    for (auto entry = SkinColours::begin(); entry != SkinColours::end(); ++entry) {
        const QRegularExpression definition(QStringLiteral("^@%1:\\s*(#[0-9a-f]{6});$").arg(QLatin1String(entry->name)),
                                            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = definition.match(palette);
        QVERIFY2(match.hasMatch(), entry->name);
        QCOMPARE(match.captured(1), QLatin1String(entry->value));
    }
}

void tst_SkinColours::resolveReplacesNames()
{
    QCOMPARE(SkinColours::resolve(QStringLiteral("color:@text;color:@text-secondary;color:@accent")),
             QStringLiteral("color:#5a5a5a;color:#959595;color:#5e6fec"));
    QCOMPARE(SkinColours::value("accent"), QStringLiteral("#5e6fec"));
    QVERIFY(SkinColours::value("nothing").isEmpty());
}

QTEST_MAIN(tst_SkinColours)
#include "tst_SkinColours.moc"
