#pragma once

// The widths at which a group's card arranges its fields anew. The card
// lays itself out by them and the list sizes its rows by them, so both read
// them here.
struct CardWidths
{
    // Below this the fields take a second row.
    static constexpr int kOneRow = 900;
    static constexpr int kRateInLowerRow = 720;
    // Below this the fields take three rows, each of them as wide as it may.
    static constexpr int kTwoRow = 460;
    // Below this (beside the scene-mode editor at the window's smallest
    // size) two fields no longer fit side by side: each takes a row.
    static constexpr int kThreeRow = 340;
    static constexpr int kMinimum = 240;
};
