#include "WrappingLabel.h"

#include <QTextDocument>

#include <cmath>

namespace aptui {

namespace {

QSize ceiled(const QSizeF& size)
{
    return QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
}

} // namespace

WrappingLabel::WrappingLabel(QWidget* parent)
    : Label(parent)
{
    setWordWrap(true);
}

WrappingLabel::~WrappingLabel() = default;

QSize WrappingLabel::sizeHint() const
{
    if (!wordWrap() || text().isEmpty())
        return Label::sizeHint();
    measure();
    return withMargins(m_oneLine);
}

QSize WrappingLabel::minimumSizeHint() const
{
    if (!wordWrap() || text().isEmpty())
        return Label::minimumSizeHint();
    measure();
    // As narrow as the longest word, as high as one line: the layout asks
    // the height for the width it gives.
    return withMargins(QSize(m_longestWord.width(), m_oneLine.height()));
}

void WrappingLabel::measure() const
{
    const QString shown = text();
    if (m_oneLine.isValid() && shown == m_measuredText && font() == m_measuredFont)
        return;
    ensurePolished();
    // Laid out as the label lays out its own: without a document margin.
    QTextDocument document;
    document.setDefaultFont(font());
    document.setDocumentMargin(0);
    const bool rich = textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(shown));
    if (rich)
        document.setHtml(shown);
    else
        document.setPlainText(shown);
    m_oneLine = ceiled(QSizeF(document.idealWidth(), document.size().height()));
    document.setTextWidth(0);
    m_longestWord = ceiled(QSizeF(document.idealWidth(), document.size().height()));
    m_measuredText = shown;
    m_measuredFont = font();
}

QSize WrappingLabel::withMargins(QSize text) const
{
    const QMargins margins = contentsMargins();
    return text
        + QSize(2 * margin() + qMax(indent(), 0) + margins.left() + margins.right(),
                2 * margin() + margins.top() + margins.bottom());
}

} // namespace aptui
