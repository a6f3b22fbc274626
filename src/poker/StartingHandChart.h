#pragma once

// Starting-hand groups 0 (strongest) .. 9 for every pair of hole-card ranks.
class StartingHandChart {
public:
    // Ranks 0..12 (deuce .. ace) in either order; suitedness is ignored for pairs.
    static int group(int rankA, int rankB, bool suited);
};
