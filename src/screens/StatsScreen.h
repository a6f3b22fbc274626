#pragma once

#include "ui/TextScreen.h"

#include <cstdint>

class PlayerStats;

// The player's statistics: hands played and won, VPIP, PFR, showdowns and wins at
// showdown, the biggest pot, the winnings, the tournaments, this session's hands
// and winnings, and the chart of the winnings over the recorded hands. Built from
// the figures as they are when it is made; the commands are the controller's.
class StatsScreen : public TextScreen {
public:
    static constexpr int32_t VARIANT_STATS = 5;

    explicit StatsScreen(const PlayerStats& stats);
    ~StatsScreen() override;

    // "23%": part of whole, rounded; "-" without a whole.
    static String percent(int32_t part, int32_t whole);
    // "+1,200", "-350", "0".
    static String signedChips(int64_t chips);

private:
    void line(int32_t nameId, const String& value);
};

// The reset confirmation, a yes/no question like the game's others: sets the
// title and adds the question; the commands are the controller's.
void populateStatsResetQuestion(Screen& screen);
