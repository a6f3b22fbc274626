#include "poker/StartingHandChart.h"

namespace {

// Rows and columns from the ace down to the deuce. Above the diagonal (row rank
// higher) the suited group, below it the offsuit group, on it the pair.
const signed char GRID[13][13] = {
    { 0, 0, 3, 3, 4, 8, 8, 8, 8, 7, 7, 7, 7 },
    { 1, 0, 4, 5, 9, 8, 8, 8, 8, 8, 8, 8, 8 },
    { 3, 5, 1, 5, 8, 8, 8, 8, 8, 9, 9, 9, 9 },
    { 4, 9, 8, 2, 6, 8, 8, 8, 8, 9, 9, 9, 9 },
    { 5, 9, 8, 8, 2, 6, 8, 8, 8, 9, 9, 9, 9 },
    { 8, 8, 8, 8, 8, 3, 6, 8, 8, 9, 9, 9, 9 },
    { 8, 8, 8, 8, 8, 8, 3, 6, 8, 9, 9, 9, 9 },
    { 8, 8, 9, 9, 9, 9, 9, 4, 6, 9, 9, 9, 9 },
    { 8, 8, 9, 9, 9, 9, 9, 9, 4, 6, 9, 9, 9 },
    { 8, 8, 9, 9, 9, 9, 9, 9, 9, 4, 6, 9, 9 },
    { 8, 8, 9, 9, 9, 9, 9, 9, 9, 9, 5, 9, 9 },
    { 8, 8, 9, 9, 9, 9, 9, 9, 9, 9, 9, 5, 9 },
    { 8, 8, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 5 },
};

} // namespace

int StartingHandChart::group(int rankA, int rankB, bool suited)
{
    if (rankA < 0 || rankA > 12 || rankB < 0 || rankB > 12)
        return 9;
    int high = rankA > rankB ? rankA : rankB;
    int low = rankA > rankB ? rankB : rankA;
    int highRow = 12 - high;
    int lowRow = 12 - low;
    if (high == low)
        return GRID[highRow][highRow];
    return suited ? GRID[highRow][lowRow] : GRID[lowRow][highRow];
}
