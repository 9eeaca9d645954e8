#include <Sarnet/ToolTipRule.h>

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

using apt::ToolTipRule;

class TestToolTipRule : public QObject
{
    Q_OBJECT

private:
    static bool tipFor(QWidget* widget)
    {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        return ToolTipRule::handle(widget, &event);
    }

private Q_SLOTS:
    void cleanup()
    {
        QToolTip::hideText();
    }

    void labelShowsItsTextAsTheTip()
    {
        QLabel label(QStringLiteral("A long device name that does not fit"));
        label.setToolTip(QStringLiteral("short tip"));
        label.show();
        QVERIFY(tipFor(&label));
        QCOMPARE(QToolTip::text(), QStringLiteral("A long device name that does not fit"));
    }

    void comboBoxShowsItsCurrentText()
    {
        QComboBox box;
        box.addItems({QStringLiteral("1080P(1920x1080)"), QStringLiteral("720P(1280x720)")});
        box.setCurrentIndex(1);
        box.setToolTip(QStringLiteral("resolution"));
        box.show();
        QVERIFY(tipFor(&box));
        QCOMPARE(QToolTip::text(), QStringLiteral("720P(1280x720)"));
    }

    void lineEditKeepsItsOwnTip()
    {
        QLineEdit edit(QStringLiteral("typed text"));
        edit.setToolTip(QStringLiteral("own tip"));
        QVERIFY(!tipFor(&edit));
    }

    void widgetWithoutTipIsLeftAlone()
    {
        QLabel label(QStringLiteral("text"));
        QVERIFY(!tipFor(&label));
    }

    void labelWithoutTextKeepsItsTip()
    {
        QLabel label;
        label.setToolTip(QStringLiteral("picture tip"));
        QVERIFY(!tipFor(&label));
    }

    void otherEventsAndObjects()
    {
        QLabel label(QStringLiteral("text"));
        label.setToolTip(QStringLiteral("tip"));
        QEvent other(QEvent::WhatsThis);
        QVERIFY(!ToolTipRule::handle(&label, &other));
        QObject plain;
        QHelpEvent help(QEvent::ToolTip, QPoint(), QPoint());
        QVERIFY(!ToolTipRule::handle(&plain, &help));
        QVERIFY(!ToolTipRule::handle(nullptr, &help));
    }
};

QTEST_MAIN(TestToolTipRule)
#include "tst_ToolTipRule.moc"
