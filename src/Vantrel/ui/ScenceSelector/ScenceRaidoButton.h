#pragma once

#include "ScenceSelector.h"

#include <QPushButton>

// One scene button of the selector; it carries the number of its scene so
// that a click tells the selector which scene was chosen.
class ScenceSelector::ScenceRaidoButton : public QPushButton
{
    Q_OBJECT

public:
    ScenceRaidoButton(QWidget* parent, int scenceType, const QString& text);
    ~ScenceRaidoButton() override;

    int scenceType() const { return m_scenceType; }

Q_SIGNALS:
    void signalScenceButtonClick(int scenceType);

private Q_SLOTS:
    void OnScenceButtonClicked();

private:
    const int m_scenceType;
};
