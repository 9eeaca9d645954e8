#pragma once

#include <Fenwork/Widget.h>
#include <data/DeviceTypes.h>

#include <QString>

#include <memory>

namespace Ui {
class EncodeingPage;
}

// One answer of the encoding calculation: a title and the resolution, frame
// rate and bitrate figures side by side. One figure is emphasised, the other
// two are greyed; every font size follows the page's height.
class EncodeingPage : public aptui::Widget
{
    Q_OBJECT

public:
    explicit EncodeingPage(QWidget* parent = nullptr, ValuePreferSection prefer = PreferResolution);
    ~EncodeingPage() override;

    QString title() const { return m_title; }
    QString resolution() const { return m_resolution; }
    QString frameRate() const { return m_frameRate; }
    QString bitRate() const { return m_bitRate; }
    ValuePreferSection prefer() const { return m_prefer; }

    // The fonts grow with the height while the figures sit side by side:
    // on a page much taller than its form (663 x 453) the figures run out of
    // width. When kept, the page's height is held to the form's proportions
    // and a layout gives the rest of the room to its neighbours.
    void setKeepFormProportions(bool keep);
    bool keepsFormProportions() const { return m_keepFormProportions; }

public Q_SLOTS:
    void setTitle(const QString& title);
    void setResolution(const QString& resolution);
    void setFrameRate(const QString& frameRate);
    void setBitRate(const QString& bitRate);
    void setAllInformation(const QString& resolution, const QString& frameRate, const QString& bitRate);
    void setPrefer(ValuePreferSection perfer);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The value sizes of one figure, enlarged when that figure is emphasised.
    struct ValueSizes
    {
        int big = 0;
        int small = 0;
    };
    ValueSizes valueSizes(ValuePreferSection figure) const;
    QString fillValue(const QString& valueTemplate, ValuePreferSection figure, const QString& value,
                      const QString& section) const;

    std::unique_ptr<Ui::EncodeingPage> m_ui;

    QString m_titleTemplate;
    QString m_resolutionUnitTemplate;
    QString m_resolutionTemplate;
    QString m_frameRateTemplate;
    QString m_bitRateTemplate;

    QString m_title;
    QString m_resolution;
    QString m_frameRate;
    QString m_bitRate;

    // Set by every resize. Until the first, the smallest readable sizes: at
    // 0 the answers set before it were blank until the next change.
    int m_titleBigSize = 12;
    int m_titleSmallSize = 10;
    int m_valueBigSize = 14;
    int m_valueSmallSize = 10;

    ValuePreferSection m_prefer;
    bool m_keepFormProportions = false;
};
