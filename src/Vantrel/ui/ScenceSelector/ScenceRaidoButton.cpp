#include "ScenceRaidoButton.h"

ScenceSelector::ScenceRaidoButton::ScenceRaidoButton(QWidget* parent, int scenceType, const QString& text)
    : QPushButton(parent)
    , m_scenceType(scenceType)
{
    setText(text);
    connect(this, &QPushButton::clicked, this, &ScenceRaidoButton::OnScenceButtonClicked);
}

ScenceSelector::ScenceRaidoButton::~ScenceRaidoButton() = default;

void ScenceSelector::ScenceRaidoButton::OnScenceButtonClicked()
{
    Q_EMIT signalScenceButtonClick(m_scenceType);
}
