#include "WidgetDeviceListBorder.h"

#include "ui_WidgetDeviceListBorder.h"

WidgetDeviceListBorder::WidgetDeviceListBorder(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::WidgetDeviceListBorder>())
{
    m_ui->setupUi(this);
}

WidgetDeviceListBorder::~WidgetDeviceListBorder() = default;
