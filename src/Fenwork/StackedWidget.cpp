#include "StackedWidget.h"

namespace aptui {

StackedWidget::StackedWidget(QWidget* parent)
    : QStackedWidget(parent)
{
}

StackedWidget::~StackedWidget() = default;

void StackedWidget::setCurrentIndex(int index)
{
    if (count() == 0) {
        m_pendingIndex = index;
        return;
    }
    QStackedWidget::setCurrentIndex(index);
}

void StackedWidget::takeChildPages()
{
    // The list is copied: adding a page does not reorder the children, but
    // the loop should not depend on that.
    const QObjectList children = this->children();
    for (QObject* child : children) {
        auto* page = qobject_cast<QWidget*>(child);
        if (page && !page->isWindow() && indexOf(page) < 0)
            addWidget(page);
    }
    if (m_pendingIndex >= 0 && m_pendingIndex < count())
        QStackedWidget::setCurrentIndex(m_pendingIndex);
    m_pendingIndex = -1;
}

} // namespace aptui
