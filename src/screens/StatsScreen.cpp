#include "screens/StatsScreen.h"

#include "ui/TextItem.h"

#include "screens/StatLineItem.h"
#include "screens/WinningsChartItem.h"

#include "core/resources/ResourcePack.h"
#include "core/runtime/TextFormat.h"
#include "poker/PlayerStats.h"

#include <climits>

namespace {

constexpr int32_t TEXT_STATISTICS = 2143;
constexpr int32_t TEXT_HANDS_PLAYED = 2149;
constexpr int32_t TEXT_HANDS_WON = 2150;
constexpr int32_t TEXT_VPIP = 2151;
constexpr int32_t TEXT_PFR = 2152;
constexpr int32_t TEXT_SHOWDOWNS = 2153;
constexpr int32_t TEXT_WON_AT_SHOWDOWN = 2154;
constexpr int32_t TEXT_BIGGEST_POT = 2155;
constexpr int32_t TEXT_WINNINGS = 2156;
constexpr int32_t TEXT_TOURNAMENTS = 2157;
constexpr int32_t TEXT_TOURNAMENTS_WON = 2158;
constexpr int32_t TEXT_TOURNAMENTS_PAID = 2159;
constexpr int32_t TEXT_BEST_PLACE = 2160;
constexpr int32_t TEXT_SESSION = 2161;
constexpr int32_t TEXT_SESSION_HANDS = 2162;
constexpr int32_t TEXT_CHART_CAPTION = 2164;
constexpr int32_t TEXT_RESET_QUESTION = 2165;

int32_t clampToInt(int64_t value)
{
    return value > INT_MAX ? INT_MAX : value < -INT_MAX ? -INT_MAX : int32_t(value);
}

} // namespace

StatsScreen::StatsScreen(const PlayerStats& stats)
    : TextScreen(getText(TEXT_STATISTICS), VARIANT_STATS)
{
    const PlayerStats::Hands& h = stats.total;
    line(TEXT_HANDS_PLAYED, formatNumber(h.handsPlayed));
    line(TEXT_HANDS_WON, formatNumber(h.handsWon) + " (" + percent(h.handsWon, h.handsPlayed) + ")");
    line(TEXT_VPIP, percent(h.vpipHands, h.handsPlayed));
    line(TEXT_PFR, percent(h.pfrHands, h.handsPlayed));
    line(TEXT_SHOWDOWNS, formatNumber(h.showdowns) + " (" + percent(h.showdowns, h.handsPlayed) + ")");
    line(TEXT_WON_AT_SHOWDOWN, percent(h.showdownsWon, h.showdowns));
    line(TEXT_BIGGEST_POT, formatNumber(clampToInt(h.biggestPotWon)));
    line(TEXT_WINNINGS, signedChips(h.netChips));
    const PlayerStats::Tournaments& t = stats.tournaments;
    String tournaments = formatNumber(t.played) + getText(TEXT_TOURNAMENTS_WON) + formatNumber(t.won) +
                         getText(TEXT_TOURNAMENTS_PAID) + formatNumber(t.cashed);
    if (t.bestPlace > 0)
        tournaments += getText(TEXT_BEST_PLACE) + formatNumber(t.bestPlace);
    line(TEXT_TOURNAMENTS, tournaments);
    line(TEXT_SESSION,
         formatNumber(stats.session.handsPlayed) + getText(TEXT_SESSION_HANDS) + signedChips(stats.session.netChips));

    Vector<int64_t> points;
    for (int32_t i = 0; i < stats.chartCount(); ++i)
        points.add(stats.chartPoint(i));
    appendItem(SharedPointer<Item>(new WinningsChartItem(getText(TEXT_CHART_CAPTION), points)));
}

StatsScreen::~StatsScreen() = default;

void StatsScreen::line(int32_t nameId, const String& value)
{
    appendItem(SharedPointer<Item>(new StatLineItem(getText(nameId), value)));
}

String StatsScreen::percent(int32_t part, int32_t whole)
{
    if (whole <= 0)
        return String("-");
    return String() + int32_t((int64_t(part) * 100 + whole / 2) / whole) + "%";
}

String StatsScreen::signedChips(int64_t chips)
{
    const String digits = formatNumber(clampToInt(chips));
    return chips > 0 ? String("+") + digits : digits;
}

void populateStatsResetQuestion(Screen& screen)
{
    screen.setTitle(getText(TEXT_STATISTICS));
    screen.appendItem(SharedPointer<Item>(new TextItem(String(), getText(TEXT_RESET_QUESTION))));
}
