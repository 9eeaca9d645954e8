// The yardstick of the start-up benchmark: a bare Qt widgets window (one
// label) that ends at its first paint, the way Vantrel does when
// VANTREL_EXIT_AFTER_FIRST_PAINT is set.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {

class FirstPaintExit : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_done && event->type() == QEvent::Paint) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("A bare Qt window"));
    FirstPaintExit exitAtPaint;
    label.installEventFilter(&exitAtPaint);
    label.resize(1024, 720);
    label.show();
    return QApplication::exec();
}
