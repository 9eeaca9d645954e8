#pragma once

#include <data/UplinkCheck.h>

#include <QColor>
#include <QWidget>

// The dial under the bandwidth total: how much of the site's uplink the
// devices take, with a needle, the percentage and a colour for the level.
// Without an uplink it stays grey and says so.
class UplinkGauge : public QWidget
{
    Q_OBJECT

public:
    // The dial ends here; a fuller link pins the needle at the end.
    static constexpr double kFullScaleShare = 1.5;

    explicit UplinkGauge(QWidget* parent = nullptr);
    ~UplinkGauge() override;

    void setCheck(const UplinkCheck& check);
    const UplinkCheck& check() const { return m_check; }

    // The colour the needle and figure take at a level.
    static QColor levelColour(UplinkCheck::Level level);
    // The text in the dial's centre.
    QString centreText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    UplinkCheck m_check;
};
