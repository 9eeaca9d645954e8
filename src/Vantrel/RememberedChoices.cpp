#include "RememberedChoices.h"

#include "DeviceEditor/DeviceEditor.h"
#include "PlanDocument.h"
#include "PlanFileController.h"
#include "Vantrel.h"

#include <edit/PlanEditor.h>

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QUndoStack>

namespace {

const QString kStandard = QStringLiteral("choices/videoStandard");
const QString kLinkType = QStringLiteral("choices/encodingLinkType");
const QString kLinkBandwidth = QStringLiteral("choices/encodingBandwidth");
const QString kLinkCustom = QStringLiteral("choices/encodingCustomBandwidth");
const QString kLinkCustomMbps = QStringLiteral("choices/encodingCustomMbps");
const QString kWindowGeometry = QStringLiteral("window/geometry");
const QString kWindowMaximized = QStringLiteral("window/maximized");

} // namespace

RememberedChoices::RememberedChoices(Vantrel* window)
    : QObject(window)
    , m_window(window)
    , m_placeTimer(new QTimer(this))
{
    m_placeTimer->setSingleShot(true);
    m_placeTimer->setInterval(500);
    connect(m_placeTimer, &QTimer::timeout, this, &RememberedChoices::writeWindowPlace);
    const QSettings settings;
    if (settings.contains(kWindowGeometry))
        m_place = WindowSizeRule::Place{ settings.value(kWindowGeometry).toRect(),
                                         settings.value(kWindowMaximized).toBool() };
    restoreStandard();
    restoreLink();

    // Connected after restoring: only the user's own choices are kept.
    DeviceEditor* editor = m_window->deviceEditor();
    connect(editor, &DeviceEditor::signalCurrentFrameStandard, this, &RememberedChoices::keepStandard);
    connect(editor, &DeviceEditor::signalCodeParameterChanged, this, &RememberedChoices::keepLink);
    // Undo and redo of a switch change the standard in force too; an opened
    // plan's standard is no choice of the user's and is not kept.
    // The history also clears itself when the window goes, after the plan
    // is gone: the plan is watched through a guard.
    PlanEditor* planEditor = m_window->document()->editor();
    const QPointer<Plan> plan = planEditor->plan();
    connect(planEditor->undoStack(), &QUndoStack::indexChanged, this, [this, plan] {
        if (plan && plan->videoStandard() != m_standardInForce)
            keepStandard(plan->videoStandard());
    });
    connect(m_window->planFiles(), &PlanFileController::planLoaded, this, [this, plan] {
        if (plan)
            m_standardInForce = plan->videoStandard();
    });
    m_window->installEventFilter(this);
}

RememberedChoices::~RememberedChoices()
{
    writeWindowPlace();
}

void RememberedChoices::restoreStandard()
{
    const int kept = QSettings().value(kStandard, int(PAL)).toInt();
    const VideoStandard standard = kept == NTSC ? NTSC : PAL;
    m_window->planFiles()->setNewPlanStandard(standard);
    // The untouched plan of the start becomes the new plan it would have
    // been; loading is no edit.
    PlanEditor* planEditor = m_window->document()->editor();
    const Plan* plan = planEditor->plan();
    if (plan->videoStandard() != standard && plan->groupCount() == 0 && !planEditor->isModified()) {
        PlanData fresh = plan->data();
        fresh.videoStandard = standard;
        planEditor->load(fresh, true);
    }
    m_standardInForce = plan->videoStandard();
}

void RememberedChoices::restoreLink()
{
    const QSettings settings;
    if (!settings.contains(kLinkType))
        return;
    DeviceEditor::LinkChoice choice;
    choice.type = settings.value(kLinkType).toString();
    choice.bandwidth = settings.value(kLinkBandwidth).toString();
    choice.custom = settings.value(kLinkCustom).toBool();
    choice.customMbps = settings.value(kLinkCustomMbps).toString();
    m_window->deviceEditor()->showLinkChoice(choice);
}

void RememberedChoices::keepStandard(VideoStandard standard)
{
    m_standardInForce = standard;
    m_window->planFiles()->setNewPlanStandard(standard);
    QSettings().setValue(kStandard, int(standard));
}

void RememberedChoices::keepLink()
{
    // A custom bandwidth the editor refused would come back refused at
    // every start: only one that is in force is kept.
    const auto* custom = m_window->deviceEditor()->findChild<QLineEdit*>(QStringLiteral("customBandEdit"));
    if (custom && custom->property("invalid").toBool())
        return;
    const DeviceEditor::LinkChoice choice = m_window->deviceEditor()->linkChoice();
    QSettings settings;
    settings.setValue(kLinkType, choice.type);
    settings.setValue(kLinkBandwidth, choice.bandwidth);
    settings.setValue(kLinkCustom, choice.custom);
    settings.setValue(kLinkCustomMbps, choice.customMbps);
}

void RememberedChoices::noteWindowPlace()
{
    if (m_window->isMinimized() || !m_window->isVisible())
        return;
    m_unwrittenPlace = WindowSizeRule::Place{ m_window->normalGeometry(), m_window->isMaximized() };
    m_placeTimer->start();
}

void RememberedChoices::writeWindowPlace()
{
    if (!m_unwrittenPlace)
        return;
    QSettings settings;
    settings.setValue(kWindowGeometry, m_unwrittenPlace->normal);
    settings.setValue(kWindowMaximized, m_unwrittenPlace->maximized);
    m_unwrittenPlace.reset();
}

bool RememberedChoices::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            noteWindowPlace();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
