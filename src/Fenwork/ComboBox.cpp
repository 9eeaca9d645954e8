#include "ComboBox.h"

#include <QStyle>
#include <QStyleOptionComboBox>

#include <cmath>

namespace aptui {

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

ComboBox::~ComboBox() = default;

void ComboBox::setHintMeasuresEntries(bool measures)
{
    if (measures == m_hintMeasuresEntries)
        return;
    m_hintMeasuresEntries = measures;
    updateGeometry();
}

QSize ComboBox::sizeHint() const
{
    return m_hintMeasuresEntries ? QComboBox::sizeHint() : emptyListHint();
}

QSize ComboBox::minimumSizeHint() const
{
    return m_hintMeasuresEntries ? QComboBox::minimumSizeHint() : emptyListHint();
}

QSize ComboBox::emptyListHint() const
{
    // The text line as Qt's list measures it, with the style's frame, arrow
    // and margins around it.
    const QSize line(0, qMax(int(std::ceil(QFontMetricsF(font()).height())), 14) + 2);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, line, this);
}

} // namespace aptui
