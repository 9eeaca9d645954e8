#pragma once

#include <QtGlobal>

// A computed rate as the whole number of kbps the screen shows, truncated
// toward zero. Converting a double that does not fit the integer is
// undefined, so the figure is clamped first: never negative, never past what
// the integer holds, and a rate that is not a number reads as 0.
namespace ShownRate {

// Past 2^53 a double no longer holds every whole number.
constexpr qint64 kMaxWholeKbps = qint64(1) << 53;

qint64 wholeKbps(double kbps);
int wholeKbpsInt(double kbps);

} // namespace ShownRate
