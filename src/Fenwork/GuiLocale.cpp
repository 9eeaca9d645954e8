#include "GuiLocale.h"

namespace aptui {

namespace {
QString& codecName()
{
    static QString name = QStringLiteral("UTF-8");
    return name;
}
} // namespace

void InitGuiLocale(const QLocale& locale)
{
    QLocale::setDefault(locale);
}

void InitGuiTextCodec(const QString& name)
{
    if (!name.isEmpty())
        codecName() = name;
}

QString GuiTextCodecName()
{
    return codecName();
}

} // namespace aptui
