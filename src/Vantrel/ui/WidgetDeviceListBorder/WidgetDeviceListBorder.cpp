#include "WidgetDeviceListBorder.h"

#include "ui_WidgetDeviceListBorder.h"

WidgetDeviceListBorder::WidgetDeviceListBorder(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::WidgetDeviceListBorder>())
{
    m_ui->setupUi(this);
    // Beside the wider scene-mode editor at the window's smallest size the
    // hint has less room than one line of it takes: it wraps instead of
    // being cut off.
    m_ui->m_labeNullTip->setWordWrap(true);
    m_ui->m_labeNullTip->setAlignment(Qt::AlignCenter);
    m_ui->m_labeNullTip->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

WidgetDeviceListBorder::~WidgetDeviceListBorder() = default;
