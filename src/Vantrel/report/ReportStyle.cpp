#include "ReportStyle.h"

#include <QStringList>

namespace ReportStyle {

bool hasCjk(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Radicals, punctuation, kana and ideographs; compatibility
        // ideographs; full-width forms.
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
        // Ideographs beyond the first plane come as surrogate pairs.
        if (c.isHighSurrogate() && u >= 0xD840 && u <= 0xD87F)
            return true;
    }
    return false;
}

QFont font(const QString& text, qreal points, bool bold)
{
    static const QStringList latin{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Noto Sans CJK SC")};
    static const QStringList cjk{QStringLiteral("Droid Sans Fallback"), QStringLiteral("Noto Sans CJK SC"),
                                 QStringLiteral("DejaVu Sans")};
    QFont result;
    result.setFamilies(hasCjk(text) ? cjk : latin);
    result.setPointSizeF(points);
    result.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Figures in a column are measured once and drawn as measured.
    result.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: "offices" set with an "ffi" glyph copies and searches
    // as another word. Latin needs no other shaping either.
    result.setStyleStrategy(QFont::PreferNoShaping);
    return result;
}

} // namespace ReportStyle
