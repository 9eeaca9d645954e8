#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "PlanFileController.h"
#include "RememberedChoices.h"
#include "SectionBar/SectionBar.h"
#include "DeviceEditor/DeviceEditor.h"
#include "WindowSizeRule.h"

#include <Fenwork/Switch.h>
#include <TempProgramDir.h>
#include <WidgetLookup.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUndoStack>
#include <QtTest>

// The standard, the encoding tab's link and the window's place outlive the
// window that chose them, and come back without touching the plan.
class tst_RememberedChoices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("VantrelTests"));
        forget();
    }
    void cleanupTestCase() { forget(); }

    void choicesComeBackInTheNextWindow()
    {
        const TempProgramDir program(TempProgramDir::ShippedData);
        auto window = newWindow();
        QTest::mouseClick(childNamed<aptui::Switch>(window.get(), "PalNtscSwitch"), Qt::LeftButton);
        window->sectionBar()->switchEncodingTab();
        auto* link = childNamed<QComboBox>(window.get(), "netLinkCombox_2");
        link->setCurrentIndex(link->findText(QStringLiteral("Fibre")));
        auto* bandwidth = childNamed<QComboBox>(window.get(), "selectBandCombox_2");
        bandwidth->setCurrentIndex(bandwidth->findText(QStringLiteral("500 Mbps")));
        childNamed<QLineEdit>(window.get(), "customBandEdit")->setText(QStringLiteral("42.5"));
        childNamed<QCheckBox>(window.get(), "customBandCheckbox_2")->setChecked(true);
        const QRect place(40, 30, 1100, 740);
        window->setGeometry(place);
        window.reset();

        window = newWindow();
        PlanEditor* editor = window->document()->editor();
        QCOMPARE(editor->plan()->videoStandard(), NTSC);
        QVERIFY(!childNamed<aptui::Switch>(window.get(), "PalNtscSwitch")->isOn());
        QCOMPARE(editor->undoStack()->count(), 0);
        QVERIFY(!window->appTitle().contains(QLatin1Char('*')));
        // Kept before the Encoding tab's form is made, and shown once it is.
        const DeviceEditor::LinkChoice kept = window->deviceEditor()->linkChoice();
        QCOMPARE(kept.type, QStringLiteral("Fibre"));
        QCOMPARE(kept.customMbps, QStringLiteral("42.5"));
        QVERIFY(kept.custom);
        window->sectionBar()->switchEncodingTab();
        link = childNamed<QComboBox>(window.get(), "netLinkCombox_2");
        QCOMPARE(link->currentText(), QStringLiteral("Fibre"));
        QCOMPARE(childNamed<QComboBox>(window.get(), "selectBandCombox_2")->currentText(), QStringLiteral("500 Mbps"));
        QCOMPARE(childNamed<QLineEdit>(window.get(), "customBandEdit")->text(), QStringLiteral("42.5"));
        QVERIFY(childNamed<QCheckBox>(window.get(), "customBandCheckbox_2")->isChecked());
        const auto* choices = window->findChild<RememberedChoices*>();
        QVERIFY(choices->windowPlace());
        QCOMPARE(choices->windowPlace()->normal, place);

        // A new plan takes the standard too.
        QVERIFY(window->planFiles()->newPlan());
        QCOMPARE(editor->plan()->videoStandard(), NTSC);

        // A place on a screen that is gone comes back onto the one there is,
        // and a window made smaller than allowed grows to its minimum.
        const QList<QRect> screens{ QRect(0, 0, 1920, 1080) };
        QCOMPARE(WindowSizeRule::onScreen(QRect(3000, 40, 1100, 740), QSize(1024, 720), screens),
                 QRect(820, 40, 1100, 740));
        QCOMPARE(WindowSizeRule::onScreen(QRect(10, 10, 600, 400), QSize(1024, 720), screens),
                 QRect(10, 10, 1024, 720));
    }

    // Only what is in force is kept: not a refused bandwidth, not a switch
    // that was undone. And switching an untouched new plan is no edit.
    void refusedOrUndoneChoicesAreNotKept()
    {
        forget();
        const TempProgramDir program(TempProgramDir::ShippedData);
        auto window = newWindow();
        PlanEditor* editor = window->document()->editor();
        auto* standardSwitch = childNamed<aptui::Switch>(window.get(), "PalNtscSwitch");
        QTest::mouseClick(standardSwitch, Qt::LeftButton);
        QCOMPARE(editor->plan()->videoStandard(), NTSC);
        QVERIFY(!editor->isModified());
        QVERIFY(!window->appTitle().contains(QLatin1Char('*')));
        int asked = 0;
        PlanFileController::Prompts prompts = window->planFiles()->prompts();
        prompts.saveChoice = [&asked](const QString&) {
            ++asked;
            return PlanFileController::SaveChoice::Cancel;
        };
        window->planFiles()->setPrompts(prompts);
        QVERIFY(window->planFiles()->maybeSave());
        QCOMPARE(asked, 0);

        // With a group, the switch back to PAL is an edit; undone, NTSC is
        // in force again and is what the next plan starts with.
        QTest::mouseClick(childNamed<QPushButton>(window.get(), "m_btnAddDevice"), Qt::LeftButton);
        QTest::mouseClick(standardSwitch, Qt::LeftButton);
        QCOMPARE(editor->plan()->videoStandard(), PAL);
        editor->undoStack()->undo();
        QCOMPARE(editor->plan()->videoStandard(), NTSC);

        window->sectionBar()->switchEncodingTab();
        childNamed<QCheckBox>(window.get(), "customBandCheckbox_2")->setChecked(true);
        childNamed<QLineEdit>(window.get(), "customBandEdit")->setText(QStringLiteral("12"));
        childNamed<QLineEdit>(window.get(), "customBandEdit")->setText(QStringLiteral("5,5"));
        window.reset();

        window = newWindow();
        QCOMPARE(window->document()->editor()->plan()->videoStandard(), NTSC);
        window->sectionBar()->switchEncodingTab();
        QCOMPARE(childNamed<QLineEdit>(window.get(), "customBandEdit")->text(), QStringLiteral("12"));
    }

private:
    static void forget()
    {
        QSettings settings;
        settings.remove(QStringLiteral("choices"));
        settings.remove(QStringLiteral("window"));
        QFile::remove(PlanRecovery::defaultPath());
    }

    static std::unique_ptr<Vantrel> newWindow()
    {
        auto window = std::make_unique<Vantrel>();
        new RememberedChoices(window.get());
        window->resize(1200, 750);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window did not show");
        return window;
    }
};

QTEST_MAIN(tst_RememberedChoices)
#include "tst_RememberedChoices.moc"
