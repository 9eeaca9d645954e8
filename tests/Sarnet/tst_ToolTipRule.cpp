#include <Sarnet/ToolTipRule.h>

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
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

    // A name from a file reads in the tip as on the widget: a plain label's
    // or a button's text as written, a rich label's markup as markup.
    void tipShowsTheTextAsTheWidgetDoes_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain label, tag") << "plain" << "<b>bold</b>(2)" << "<b>bold</b>(2)";
        QTest::newRow("plain label, image") << "plain" << "<img src=/dev/zero>" << "<img src=/dev/zero>";
        QTest::newRow("plain label, entity") << "plain" << "&lt;" << "&lt;";
        QTest::newRow("plain label, ordinary") << "plain" << "Lobby(3)" << "Lobby(3)";
        QTest::newRow("rich label") << "rich" << "<b>12</b> channels" << "12 channels";
        QTest::newRow("button") << "button" << "R&&D <b>" << "R&D <b>";
    }

    void tipShowsTheTextAsTheWidgetDoes()
    {
        QFETCH(QString, widget);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QLabel label(text);
        label.setTextFormat(widget == QLatin1String("rich") ? Qt::RichText : Qt::PlainText);
        QPushButton button(text);
        QWidget* tipped = widget == QLatin1String("button") ? static_cast<QWidget*>(&button) : &label;
        tipped->setToolTip(QStringLiteral("tip"));
        tipped->show();
        QVERIFY(tipFor(tipped));
        const QString tip = QToolTip::text();
        QTextDocument document;
        document.setHtml(tip);
        QCOMPARE(Qt::mightBeRichText(tip) ? document.toPlainText() : tip, shown);
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
