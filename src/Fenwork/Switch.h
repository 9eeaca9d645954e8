#pragma once

#include "FenworkGlobal.h"

#include <QAbstractButton>

namespace aptui {

// A two-state slide toggle that shows the text of its current state.
// Turning it on emits signalON(), turning it off signalOFF().
class FENWORK_EXPORT Switch : public QAbstractButton
{
    Q_OBJECT

public:
    explicit Switch(QWidget* parent = nullptr);
    ~Switch() override;

    void setOnText(const QString& text);
    void setOffText(const QString& text);
    QString onText() const { return m_onText; }
    QString offText() const { return m_offText; }

    bool isOn() const { return isChecked(); }
    // Changes the state without emitting signalON()/signalOFF().
    void setOn(bool on);

    QSize sizeHint() const override;

Q_SIGNALS:
    void signalON();
    void signalOFF();

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;

private:
    QString m_onText;
    QString m_offText;
};

} // namespace aptui
