#include "FocusedWheelFilter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

FocusedWheelFilter::FocusedWheelFilter(QObject* parent)
    : QObject(parent)
{
}

void FocusedWheelFilter::guardFieldsOf(QWidget* root)
{
    auto* filter = new FocusedWheelFilter(root);
    QList<QWidget*> fields;
    for (QComboBox* box : root->findChildren<QComboBox*>())
        fields << box;
    for (QAbstractSpinBox* box : root->findChildren<QAbstractSpinBox*>())
        fields << box;
    for (QWidget* field : std::as_const(fields)) {
        // The wheel no longer gives the focus: a click or Tab does.
        field->setFocusPolicy(Qt::StrongFocus);
        field->installEventFilter(filter);
    }
}

bool FocusedWheelFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* field = qobject_cast<QWidget*>(watched);
        if (field && !field->hasFocus()) {
            // Ignored and kept from the field, the event travels on to the
            // field's parents, up to the scroll area.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
