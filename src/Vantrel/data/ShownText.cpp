#include "ShownText.h"

QString ShownText::abbreviated(const QString& text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    int cut = std::max(maxLength - 1, 0);
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}
