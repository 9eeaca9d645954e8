#pragma once

#include <QColor>
#include <QPainter>

// The drawings of the CommonSkin images. Each draws in logical pixels of
// its own picture size; the caller scales the painter for @2x copies.
namespace SkinArt {

namespace Colour {
const QColor accent(0x5e, 0x6f, 0xec);
const QColor accentDark(0x47, 0x56, 0xd4);
const QColor accentTint(0xee, 0xf0, 0xfd);
const QColor cyan(0x00, 0xc8, 0xec);
const QColor mint(0xa2, 0xe4, 0xc4);
const QColor blue(0x00, 0x98, 0xf8);
const QColor glyph(0x8a, 0x90, 0xa2);      // quiet controls: arrows, tabs at rest
const QColor glyphOff(0xc8, 0xcb, 0xd4);   // the same, disabled
const QColor danger(0xe5, 0x48, 0x4d);
const QColor ok(0x2e, 0xb8, 0x6c);
} // namespace Colour

// Program icon, title-bar logo, status marks (100 x 100 grid, scaled).
void appIcon(QPainter& p, qreal size);
void logo(QPainter& p, qreal size);
void stateIcon(QPainter& p, qreal size, bool ok);

// Section bar tabs, 28 x 28.
void tabBandwidth(QPainter& p, const QColor& colour);
void tabEncoding(QPainter& p, const QColor& colour);
void tabStorage(QPainter& p, const QColor& colour);
void tabNetwork(QPainter& p, const QColor& colour);

// Small control glyphs.
void chevronLeft(QPainter& p, const QColor& colour);  // 8 x 12
void chevronRight(QPainter& p, const QColor& colour); // 8 x 12
void arrowDown(QPainter& p, const QColor& colour);    // 10 x 6
void arrowUp(QPainter& p, const QColor& colour);      // 10 x 6
void spinUp(QPainter& p, const QColor& colour);       // 8 x 5
void spinDown(QPainter& p, const QColor& colour);     // 8 x 5
void checkMark(QPainter& p, const QColor& colour);    // 10 x 8
void trash(QPainter& p, const QColor& colour);        // 16 x 16
void exportMark(QPainter& p, const QColor& colour);   // 16 x 16
void importMark(QPainter& p, const QColor& colour);   // 16 x 16

// Device badges of the list's cards.
void deviceIpc(QPainter& p); // 28 x 28
void deviceDvr(QPainter& p); // 26 x 26

// Pictures.
void emptyList(QPainter& p);     // 90 x 90
void bandwidthArt(QPainter& p);  // 200 x 189

} // namespace SkinArt
