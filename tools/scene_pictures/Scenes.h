#pragma once

#include "ScenePrimitives.h"

#include <QString>

// One drawing per kind of scene, on the 320 x 240 logical canvas.
namespace SceneDrawing {

void drawOffice(Canvas& c);
void drawRoad(Canvas& c);
void drawParkingLot(Canvas& c);
void drawShop(Canvas& c);
void drawWarehouse(Canvas& c);
void drawHospital(Canvas& c);
// A plain room with two people and the scene's name: for scenes without a
// drawing of their own.
void drawOther(Canvas& c, const QString& sceneName);

} // namespace SceneDrawing
