#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "EncodeingPage/EncodeingPage.h"
#include "PlanFileController.h"
#include "ReportExporter.h"
#include "SectionBar/SectionBar.h"
#include "StoragePage/StoragePage.h"

#include <Fenwork/Menu.h>
#include <Fenwork/ToolTitleBar.h>
#include <TempProgramDir.h>
#include <WidgetLookup.h>
#include <data/PlanFile.h>
#include <edit/PlanEditor.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

namespace {

// Fails the test at any mouse button: the plan must be made by keys alone.
class NoMouse : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            ++presses;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The window driven from the keyboard, and the parts of it that keys, the
// wheel and a small window reach.
class tst_KeyboardWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void aPlanIsBuiltSavedAndExportedByKeysAlone();
    void shortcutsSwitchTabsAndOpenTheMenu();
    void everyTabStopShowsItsFocus();
    void wheelOverAnUnfocusedFieldScrollsTheEditor();
    void encodingAnswersAreReadableAtTheMinimumSize();

private:
    template<typename T>
    T* child(const char* name) const
    {
        return childNamed<T>(m_window.get(), name);
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void typeOver(const QString& text);
    const Plan* plan() const { return m_window->document()->editor()->plan(); }
    static void settle();

    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<Vantrel> m_window;
    QTemporaryDir m_out;
};

void tst_KeyboardWindow::initTestCase()
{
    // Focus and sizes as people see them: with the skin.
    // The skin's sheets in name order, its "@name: value;" colours put in.
    const QDir skin(QStringLiteral(VANTREL_SKIN_DIR));
    QString sheet;
    for (const QString& file : skin.entryList({ QStringLiteral("*.qss") }, QDir::Files, QDir::Name)) {
        QFile text(skin.filePath(file));
        QVERIFY(text.open(QIODevice::ReadOnly));
        sheet += QString::fromUtf8(text.readAll()) + QLatin1Char('\n');
    }
    static const QRegularExpression definition(QStringLiteral("^\\s*@([\\w-]+)\\s*:\\s*([^;]+);"),
                                                QRegularExpression::MultilineOption);
    QList<QPair<QString, QString>> colours;
    for (auto match = definition.globalMatch(sheet); match.hasNext();) {
        const QRegularExpressionMatch one = match.next();
        colours << qMakePair(QLatin1Char('@') + one.captured(1), one.captured(2).trimmed());
    }
    sheet.remove(definition);
    // Longer names first: "@accent-hover" before "@accent".
    std::sort(colours.begin(), colours.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    for (const auto& colour : std::as_const(colours))
        sheet.replace(colour.first, colour.second);
    qApp->setStyleSheet(sheet);
}

void tst_KeyboardWindow::init()
{
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
    m_window = std::make_unique<Vantrel>();
    m_window->resize(1024, 720);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_KeyboardWindow::cleanup()
{
    m_window->planFiles()->setPrompts([] {
        PlanFileController::Prompts prompts;
        prompts.saveChoice = [](const QString&) { return PlanFileController::SaveChoice::Discard; };
        return prompts;
    }());
    m_window.reset();
    m_program.reset();
}

void tst_KeyboardWindow::settle()
{
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
}

void tst_KeyboardWindow::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void tst_KeyboardWindow::typeOver(const QString& text)
{
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void tst_KeyboardWindow::aPlanIsBuiltSavedAndExportedByKeysAlone()
{
    NoMouse noMouse;
    qApp->installEventFilter(&noMouse);
    const QString planPath = m_out.filePath(QStringLiteral("keys.vantrel"));
    const QString pdfPath = m_out.filePath(QStringLiteral("keys.pdf"));
    PlanFileController::Prompts prompts = m_window->planFiles()->prompts();
    prompts.savePath = [planPath](const QString&) { return planPath; };
    prompts.notice = [](const QString& text) { QFAIL(qPrintable(text)); };
    m_window->planFiles()->setPrompts(prompts);
    ReportExporter::Prompts reportPrompts = m_window->reports()->prompts();
    reportPrompts.savePath = [pdfPath](const QString&, const QString&, const QString&, QString*) { return pdfPath; };
    reportPrompts.notice = [](const QString&) {};
    m_window->reports()->setPrompts(reportPrompts);

    // The name field is where typing starts.
    press(Qt::Key_1, Qt::ControlModifier);
    auto* name = child<QLineEdit>("m_lineEditChannelName");
    if (QApplication::focusWidget() != name)
        press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), name);
    QTest::keyClicks(name, QStringLiteral("Lobby"));
    press(Qt::Key_Return);

    press(Qt::Key_Tab); // channels
    typeOver(QStringLiteral("8"));
    press(Qt::Key_Tab); // device type
    press(Qt::Key_Down);
    press(Qt::Key_Enter, Qt::KeypadModifier);

    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), name);
    typeOver(QStringLiteral("Gate"));
    // From the focused "+ Add" too.
    while (QApplication::focusWidget() != child<QWidget>("m_btnAddDevice"))
        press(Qt::Key_Tab);
    press(Qt::Key_Return);

    QCOMPARE(plan()->groupCount(), 3);
    QCOMPARE(plan()->groupAt(0).device.channelName, QStringLiteral("Lobby(1)"));
    QCOMPARE(plan()->groupAt(1).device.channelName, QStringLiteral("Lobby(2)"));
    QCOMPARE(plan()->groupAt(1).device.channelCount, 8);
    QCOMPARE(plan()->groupAt(1).device.deviceType, QStringLiteral("DVR"));
    QCOMPARE(plan()->groupAt(2).device.channelName, QStringLiteral("Gate(3)"));

    press(Qt::Key_S, Qt::ControlModifier);
    QFile saved(planPath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("Gate"));
    QVERIFY(!m_window->document()->editor()->isModified());

    press(Qt::Key_E, Qt::ControlModifier);
    QFile pdf(pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5).startsWith("%PDF"));
    qApp->removeEventFilter(&noMouse);
    QCOMPARE(noMouse.presses, 0);
}

void tst_KeyboardWindow::shortcutsSwitchTabsAndOpenTheMenu()
{
    auto* editorPages = child<QStackedWidget>("m_verticalWidgetAddBorder");
    press(Qt::Key_2, Qt::ControlModifier);
    QVERIFY(child<QAbstractButton>("encodingBtn")->isChecked());
    QCOMPARE(editorPages->currentIndex(), 1);
    press(Qt::Key_3, Qt::ControlModifier);
    QVERIFY(child<QAbstractButton>("storageBtn")->isChecked());
    QVERIFY(m_window->storagePage()->isVisible());
    press(Qt::Key_1, Qt::ControlModifier);
    QVERIFY(child<QAbstractButton>("bandwidthBtn")->isChecked());
    QCOMPARE(editorPages->currentIndex(), 0);

    QToolButton* menuButton = m_window->windowTitle()->aboutButton();
    QVERIFY(menuButton->toolTip().startsWith(QStringLiteral("Menu")));
    for (const auto& key : { QPair<int, Qt::KeyboardModifiers>(Qt::Key_F10, Qt::NoModifier),
                             QPair<int, Qt::KeyboardModifiers>(Qt::Key_F, Qt::AltModifier) }) {
        press(key.first, key.second);
        QTRY_VERIFY(m_window->aboutMenu()->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), m_window->aboutMenu());
        QTest::keyClick(m_window->aboutMenu(), Qt::Key_Escape);
        QTRY_VERIFY(!m_window->aboutMenu()->isVisible());
    }
}

void tst_KeyboardWindow::everyTabStopShowsItsFocus()
{
    // A group, so that its card's buttons are stops too; Recording open.
    press(Qt::Key_Return);
    child<QAbstractButton>("m_btnRecording")->setChecked(true);
    settle();
    QWidget* first = child<QWidget>("m_lineEditChannelName");
    first->setFocus();
    QList<QWidget*> stops{ first };
    for (int step = 0; step < 80; ++step) {
        press(Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        if (!focused || stops.contains(focused))
            break;
        stops << focused;
    }
    QVERIFY(stops.size() > 10);
    QWidget* elsewhere = child<QWidget>("m_lineEditScenceRecommandRate");
    for (QWidget* stop : std::as_const(stops)) {
        QWidget* away = stop == elsewhere ? first : elsewhere;
        away->setFocus();
        settle();
        const QImage plain = stop->grab().toImage();
        stop->setFocus();
        settle();
        const QImage focused = stop->grab().toImage();
        QVERIFY2(plain != focused, qPrintable(stop->metaObject()->className() + QStringLiteral(" ")
                                              + stop->objectName()));
    }
}

void tst_KeyboardWindow::wheelOverAnUnfocusedFieldScrollsTheEditor()
{
    child<QRadioButton>("m_radioButtonVarRate")->click();
    child<QAbstractButton>("m_btnRecording")->setChecked(true);
    auto* mode = child<QComboBox>("m_comboRecordingMode");
    mode->setCurrentIndex(1);
    settle();
    auto* area = m_window->findChild<QScrollArea*>();
    QVERIFY(area);
    // The editor fits 1024 x 720 now; a larger font or a taller form would
    // not, so it is made taller than its view here.
    area->widget()->setMinimumHeight(area->viewport()->height() + 200);
    settle();
    QScrollBar* bar = area->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    child<QWidget>("m_lineEditChannelName")->setFocus();
    auto* resolution = child<QComboBox>("m_comboBoxResolution");
    const int index = resolution->currentIndex();
    const QPointF centre(resolution->width() / 2.0, resolution->height() / 2.0);
    QWheelEvent wheel(centre, resolution->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the mouse: only such wheel events travel on to the parents,
    // and sendEvent() would take that mark off.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(resolution, &wheel);
    QCOMPARE(resolution->currentIndex(), index);
    QVERIFY(bar->value() > 0);
}

void tst_KeyboardWindow::encodingAnswersAreReadableAtTheMinimumSize()
{
    child<QRadioButton>("m_radioButtonVarRate")->click();
    settle();
    m_window->sectionBar()->switchEncodingTab();
    settle();
    if (!qEnvironmentVariableIsEmpty("VANTREL_GRAB"))
        m_window->grab().save(qEnvironmentVariable("VANTREL_GRAB"));
    auto* first = child<EncodeingPage>("frameRatePage");
    auto* second = child<EncodeingPage>("resolutionPage");
    QVERIFY(first->title() == QStringLiteral("Frame Rate"));
    // Result 1 reads first.
    QVERIFY(first->mapTo(m_window.get(), QPoint()).x() < second->mapTo(m_window.get(), QPoint()).x());
    for (EncodeingPage* page : { first, second }) {
        for (const char* name : { "titleLabel", "resolutionLabel", "frameRateLabel", "bitRateLabel" }) {
            auto* label = page->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY(label);
            QVERIFY2(label->height() >= label->sizeHint().height() && label->height() > 20,
                     qPrintable(QStringLiteral("%1 %2: %3 px").arg(page->objectName(), name).arg(label->height())));
            // Every text in it large enough to read.
            static const QRegularExpression size(QStringLiteral("font-size:(\\d+)px"));
            for (auto match = size.globalMatch(label->text()); match.hasNext();) {
                const int px = match.next().captured(1).toInt();
                QVERIFY2(px >= 10, qPrintable(QStringLiteral("%1 %2: %3 px").arg(page->objectName(), name).arg(px)));
            }
        }
        QVERIFY(page->bitRate() != QStringLiteral("40"));
    }
}

QTEST_MAIN(tst_KeyboardWindow)
#include "tst_KeyboardWindow.moc"
