// Starts like the program does, through the exported shell alone, and
// prints what happened, one fact a line:
//   dialog <object name>|<text>|<buttons>   for every modal dialog (answered
//                                           with OK); buttons: OK, OK+Cancel
//   startApp <0|1>
//   raised                                  a kept-running instance's window
//                                           came back from the task bar
// Usage: sarnet_instance_helper <application id> [<ms to keep running>]

#include <Fenwork/BaseDialog.h>
#include <Sarnet/ToolApplicationHull.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
void report(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void answerDialogs()
{
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        const auto* base = qobject_cast<aptui::BaseDialog*>(dialog);
        QStringList buttons;
        if (base && base->isBottomVisible()) {
            for (const QPushButton* button : {base->okButton(), base->cancelButton()}) {
                if (button->isVisibleTo(dialog))
                    buttons << button->text();
            }
        }
        report(QStringLiteral("dialog %1|%2|%3")
                   .arg(dialog->objectName(), base ? base->defaultText() : QString(), buttons.join(u'+')));
        dialog->done(QDialog::Accepted);
    }
}
// Reports when the window leaves the minimised state it was put in.
class RaiseWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && event->type() == QEvent::WindowStateChange && !window->isMinimized())
            report(QStringLiteral("raised"));
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const QString id = QString::fromLocal8Bit(argv[1]);
    const int keepMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;

    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    hull->initialize(argc, argv, QStringLiteral("setup.xml"), id);
    hull->setAppName(QStringLiteral("Helper App"));

    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, qApp, &answerDialogs);
    answering.start(20);

    const bool started = hull->startApp();
    report(QStringLiteral("startApp %1").arg(started ? 1 : 0));
    if (!started)
        return 0;
    // A window in the task bar, for a second start to bring forward.
    QWidget window;
    RaiseWatcher watcher;
    if (keepMs > 0) {
        window.resize(200, 100);
        window.showMinimized();
        window.installEventFilter(&watcher);
        report(QStringLiteral("window minimized"));
    }
    QTimer::singleShot(keepMs, qApp, &QCoreApplication::quit);
    const int code = QApplication::exec();
    hull->distory();
    return code;
}
