#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// How a printed report looks: its colours, type sizes and fonts, shared by
// the page flow, the groups table and the chart.
namespace ReportStyle {

inline const QColor kHeading{0x5e, 0x6f, 0xec};
inline const QColor kText{0x2e, 0x33, 0x40};
inline const QColor kMuted{0x6c, 0x74, 0x85};
inline const QColor kFrame{0xcb, 0xd1, 0xda};
inline const QColor kTableHead{0xe4, 0xe8, 0xfc};
inline const QColor kBar{0x5e, 0x6f, 0xec};
inline const QColor kGrid{0xe2, 0xe6, 0xec};
inline const QColor kFooterText{0x8c, 0x94, 0xa3};
// A problem's state: near its limit, over it.
inline const QColor kWarn{0xa6, 0x5d, 0x00};
inline const QColor kOver{0xc0, 0x32, 0x28};

constexpr qreal kTitlePoints = 18;
constexpr qreal kHeadingPoints = 12;
constexpr qreal kBodyPoints = 9;
constexpr qreal kTablePoints = 7.5;
// The table's type gives way down to this before a long name is cut.
constexpr qreal kSmallestTablePoints = 6;
constexpr qreal kFooterPoints = 7;

// True for a text holding Chinese, Japanese or Korean characters.
bool hasCjk(const QString& text);

// The font a text is set in. Latin text in DejaVu Sans, whose figures a
// reader can search and copy; a text with Chinese in Droid Sans Fallback,
// which gives each character a glyph of its own, so that the PDF maps every
// glyph back to the character written (Noto Sans CJK shares one glyph
// between an ideograph and its radical, and the PDF then reads 车 as ⻋);
// Noto Sans CJK SC where that font is not installed.
QFont font(const QString& text, qreal points, bool bold = false);

} // namespace ReportStyle
