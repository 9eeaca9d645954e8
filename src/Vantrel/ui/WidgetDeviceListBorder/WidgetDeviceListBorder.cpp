#include "WidgetDeviceListBorder.h"

#include "ui_WidgetDeviceListBorder.h"

WidgetDeviceListBorder::WidgetDeviceListBorder(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::WidgetDeviceListBorder>())
{
    m_ui->setupUi(this);
    // On one line beside its picture where there is room. Beside the wider
    // scene-mode editor at the window's smallest size there is less room
    // than one line takes: it wraps (the label's own word wrap) instead of
    // being cut off.
    m_ui->m_labeNullTip->setAlignment(Qt::AlignCenter);
}

WidgetDeviceListBorder::~WidgetDeviceListBorder() = default;
