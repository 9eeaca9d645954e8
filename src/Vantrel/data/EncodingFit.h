#pragma once

#include <QString>

// What an encoding search chose: the resolution row and the frame-rate row
// that fit the link, with the numbers it judged them by, so a caller never
// has to read the numbers back out of the display texts.
struct EncodingFit
{
    QString resolution;    // the table's resolution text
    QString frameRateText; // the frame-rate row's display text ("25", "1/2")
    double frameRate = 0;  // frames per second of that row
    double kbps = 0;       // bitrate of one stream at this resolution and rate
};
