#include "PlainText.h"

#include <QTextDocument>

namespace aptui {

QString PlainText::toolTip(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

QString PlainText::mnemonicFree(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString PlainText::withoutMnemonics(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            ++i;
            if (i == text.size())
                break;
        }
        shown.append(text.at(i));
    }
    return shown;
}

QString PlainText::windowTitle(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

} // namespace aptui
