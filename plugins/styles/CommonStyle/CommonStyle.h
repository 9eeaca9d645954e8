#pragma once

#include <QPalette>
#include <QProxyStyle>

// The programs' common look: Fusion, the same on every desktop, with the
// accent colour of the skins as its highlight.
class CommonStyle : public QProxyStyle
{
    Q_OBJECT

public:
    CommonStyle();
    ~CommonStyle() override;

    QPalette standardPalette() const override;
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
