#include "CommonStyle.h"

#include <QColor>
#include <QStyleFactory>

namespace {
const QColor kAccent(0x5e, 0x6f, 0xec);

void applyAccent(QPalette& palette)
{
    palette.setColor(QPalette::Highlight, kAccent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, kAccent);
}
} // namespace

CommonStyle::CommonStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

CommonStyle::~CommonStyle() = default;

QPalette CommonStyle::standardPalette() const
{
    QPalette palette = QProxyStyle::standardPalette();
    applyAccent(palette);
    return palette;
}

void CommonStyle::polish(QPalette& palette)
{
    QProxyStyle::polish(palette);
    applyAccent(palette);
}

int CommonStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    switch (hint) {
    case SH_DialogButtonBox_ButtonsHaveIcons:
        return 0;
    case SH_ToolTip_WakeUpDelay:
        return 500;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}
