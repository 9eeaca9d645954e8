#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class WidgetDeviceListBorder;
}

// Stands in for the device list while no device group exists: a picture
// and the hint to add a device, centred.
class WidgetDeviceListBorder : public QWidget
{
    Q_OBJECT

public:
    explicit WidgetDeviceListBorder(QWidget* parent = nullptr);
    ~WidgetDeviceListBorder() override;

private:
    std::unique_ptr<Ui::WidgetDeviceListBorder> m_ui;
};
