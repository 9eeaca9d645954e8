#include "WorkProgress.h"

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
    auto shown = std::make_shared<int>(0);
    return [progress, shown](qint64 done, qint64 total) {
        const int value = total > 0 ? int(std::clamp<qint64>(done * kSteps / total, 0, kSteps)) : 0;
        // A modal dialog handles events on each new value; thousands of
        // groups would spend their time there.
        if (value != *shown) {
            *shown = value;
            progress->setValue(value);
        }
        return !progress->wasCanceled();
    };
}
