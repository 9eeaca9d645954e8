#pragma once

#include "CheckState.h"
#include "ViewSettings.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <optional>

// What a camera of a group sees of its target: pixels per metre at the
// distance, the level of detail that gives, and how far the required level
// holds. A resolution whose name carries no "(WxH)" has no figures.
struct DetailFigures
{
    double hfovDeg = 0.0;
    int pixelsAcross = 0;
    double pxPerM = 0.0;
    DetailLevel level = DetailLevel::BelowMonitor;
    // For the required level, or without one for the level met; none below
    // monitor.
    std::optional<double> farthestM;
    // None without a required level.
    std::optional<CheckState> state;
};

class PixelDensity
{
    Q_DECLARE_TR_FUNCTIONS(PixelDensity)

public:
    struct Sensor
    {
        const char* name;
        double widthMm;
    };

    static const QVector<Sensor>& sensors();
    static const QVector<DetailLevel>& levels();

    // The first number of "(WxH)" in the name; none without one.
    static std::optional<int> pixelsAcross(const QString& resolution);
    static double lensAngleDeg(double focalMm, double sensorWidthMm);
    // The angle the view gives, by itself or through its lens; 0 when it
    // gives none.
    static double angleDeg(const ViewSettings& view);
    // None without a view, a usable angle or a width.
    static std::optional<DetailFigures> figures(const ViewSettings& view, const QString& resolution);

    static double levelPxPerM(DetailLevel level);
    static DetailLevel levelMet(double pxPerM);
    // Where a camera of W pixels across with angle h still gets the level.
    static double farthestM(int pixelsAcross, double hfovDeg, DetailLevel level);
    // As files and the command line write it: "recognise", "below monitor".
    static QString levelName(DetailLevel level);
    static std::optional<DetailLevel> levelFromName(const QString& name);
    // As the window shows it, translated: "Recognise".
    static QString shownLevel(DetailLevel level);
};
