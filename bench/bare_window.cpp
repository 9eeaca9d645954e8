// The yardstick of the start-up benchmark: a bare Qt widgets window (one
// label) that ends at its first paint, or at its first map with
// VANTREL_EXIT_AT_FIRST_MAP, the way Vantrel does.

#include <QApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

namespace {

class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(bool atMap)
        : m_atMap(atMap)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_done)
            return QObject::eventFilter(watched, event);
        const bool end = m_atMap ? event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()
                                 : event->type() == QEvent::Paint;
        if (end) {
            m_done = true;
            // Ends as Vantrel's probe does: taking the window down is no
            // part of the start.
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
            // At the map the paint the expose would start is not waited for.
            return m_atMap;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_atMap = false;
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("A bare Qt window"));
    const bool atMap = qEnvironmentVariableIsSet("VANTREL_EXIT_AT_FIRST_MAP");
    FirstPaintExit exitAtEnd(atMap);
    label.resize(1024, 720);
    if (!atMap)
        label.installEventFilter(&exitAtEnd);
    label.show();
    if (atMap)
        label.windowHandle()->installEventFilter(&exitAtEnd);
    return QApplication::exec();
}
