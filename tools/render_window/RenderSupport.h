#pragma once

#include <QDir>
#include <QString>

class QWidget;

// Lists lay out their rows from timers and the cards follow: lets every round
// of posted work finish before a picture is taken.
void settle();

// Settles, grabs the widget into <folder>/<name> and says so on stdout.
bool saveShot(QWidget& widget, const QDir& folder, const QString& name);
