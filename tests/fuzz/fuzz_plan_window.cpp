// Opens a plan file in the main window, offscreen: the plan goes into the
// window's model, its cards are made, and its first group is opened in the
// editor; a refused plan gets its message box. Names in a plan are shown as
// written: a label that would read one as HTML (an "<img>" loads the file it
// names) aborts. A label that is not plain may hold only the markup the
// program writes itself, and so may a tip that Qt takes for HTML.

#include "FuzzCheck.h"
#include "FuzzProgramDir.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "Vantrel.h"
#include "PlanDocument.h"

#include <Fenwork/BaseDialog.h>
#include <data/PlanFile.h>
#include <edit/PlanEditor.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

// Enough for the cards to fill the view and scroll; more only slows down
// every run.
constexpr int kMaxGroups = 40;

// The tags of the program's own rich labels and of a tip escaped for HTML.
bool onlyOwnMarkup(const QString& text)
{
    static const QRegularExpression tag(QStringLiteral("<\\s*/?\\s*([A-Za-z0-9]*)"));
    static const QStringList own = { QStringLiteral("html"), QStringLiteral("head"), QStringLiteral("body"),
                                     QStringLiteral("p"),    QStringLiteral("span"), QStringLiteral("br") };
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        if (!own.contains(it.next().captured(1).toLower()))
            return false;
    }
    return true;
}

// Warnings of the layout (a figure measured at no height yet) would fill the
// fuzzer's output on every run; what is checked is what the widgets hold.
void quietWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    std::fprintf(stderr, "%s:%d: %s\n", context.file ? context.file : "", context.line, qPrintable(message));
}

void checkLabel(const QLabel* label)
{
    const QString text = label->text();
    if (label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(text))
        return;
    FuzzCheck::require(label->textFormat() == Qt::RichText, "a label reads a text as HTML by itself");
    FuzzCheck::require(onlyOwnMarkup(text), "a rich label holds markup the program did not write");
}

void checkShownTexts(const QWidget* root)
{
    for (const QLabel* label : root->findChildren<QLabel*>())
        checkLabel(label);
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        const QString tip = widget->toolTip();
        if (Qt::mightBeRichText(tip))
            FuzzCheck::require(onlyOwnMarkup(tip), "a tip holds markup the program did not write");
    }
}

// A label that reads a name as HTML loads what the name points at as soon as
// it is measured, which happens while the cards are made. Labels are checked
// as they are polished, before they are first laid out, and whenever a
// layout is about to measure them again.
class LabelWatch : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            if (const auto* label = qobject_cast<const QLabel*>(watched))
                checkLabel(label);
        } else if (event->type() == QEvent::LayoutRequest) {
            for (const QLabel* label : watched->findChildren<QLabel*>())
                checkLabel(label);
        }
        return false;
    }
};

// One window for the whole run: making it takes far longer than a plan.
class WindowHarness
{
public:
    static WindowHarness& instance()
    {
        static WindowHarness harness;
        return harness;
    }

    void open(const PlanData& plan)
    {
        m_window.document()->editor()->load(plan);
        QCoreApplication::processEvents(); // the cards are made as the list lays out
        checkShownTexts(&m_window);
        if (plan.groups.isEmpty())
            return;
        DeviceEditor* editor = m_window.deviceEditor();
        editor->onEditDevice(plan.groups.first().device);
        checkShownTexts(&m_window);
        editor->onCancelEdit();
    }

    // What the window shows for a refused plan.
    void refuse(const QString& message)
    {
        m_notice.setDefaultText(message);
        checkShownTexts(&m_notice);
    }

private:
    static int& argc()
    {
        static int count = 1;
        return count;
    }
    static char** argv()
    {
        static char name[] = "fuzz_plan_window";
        static char* arguments[] = { name, nullptr };
        return arguments;
    }
    // Before the application: the platform, a throw-away profile for the
    // recovery file, and the data tables the window reads as it is made.
    static int& prepared()
    {
        static int done = [] {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            QStandardPaths::setTestModeEnabled(true);
            qInstallMessageHandler(quietWarnings);
            FuzzProgramDir::instance();
            return 1;
        }();
        return done;
    }

    WindowHarness()
        : m_ready(prepared())
        , m_app(argc(), argv())
        , m_notice(false, false, false, false, true, true, true)
    {
        m_app.installEventFilter(&m_watch);
        m_window.resize(1200, 750);
        m_window.show();
        QCoreApplication::processEvents();
    }

    int m_ready;
    QApplication m_app;
    LabelWatch m_watch;
    Vantrel m_window;
    aptui::BaseDialog m_notice;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WindowHarness& harness = WindowHarness::instance();
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<int>(size));
    PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("fuzz.vantrel"));
    if (!read.ok) {
        harness.refuse(read.error);
        return 0;
    }
    if (read.plan.groups.size() > kMaxGroups)
        read.plan.groups.resize(kMaxGroups);
    harness.open(read.plan);
    return 0;
}
