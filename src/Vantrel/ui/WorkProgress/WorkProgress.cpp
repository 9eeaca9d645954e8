#include "WorkProgress.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressDialog>

#include <algorithm>
#include <memory>

namespace {

constexpr int kSteps = 1000;

} // namespace

ProgressStep WorkProgress::dialog(QWidget* parent, const QString& label)
{
    auto progress = std::make_shared<QProgressDialog>(QString(), tr("Cancel"), 0, kSteps, parent);
    // The label names the file being read or written, as written.
    auto* labelWidget = new QLabel(progress.get());
    labelWidget->setTextFormat(Qt::PlainText);
    progress->setLabel(labelWidget); // the dialog owns it
    progress->setLabelText(label);
    progress->setWindowTitle(tr("Vantrel"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(kMinimumDurationMs);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    // Starts the clock; the dialog decides on later steps whether to show.
    progress->setValue(0);
    struct Shown
    {
        int value = 0;
        QElapsedTimer since;
    };
    auto shown = std::make_shared<Shown>();
    shown->since.start();
    return [progress, shown](qint64 done, qint64 total) {
        const int value = total > 0 ? int(std::clamp<qint64>(done * kSteps / total, 0, kSteps)) : 0;
        // A modal dialog handles events and repaints its bar on each new
        // value, at once: a plan of 100,000 groups read in a second would
        // spend most of it there. Ten updates a second look as smooth, and
        // Cancel is still heard within a tenth of a second.
        if (value != shown->value && shown->since.elapsed() >= kUpdateIntervalMs) {
            shown->value = value;
            shown->since.start();
            progress->setValue(value);
        }
        return !progress->wasCanceled();
    };
}
