#include "StatsJson.h"

void writeHandFigures(JsonWriter& json, const PlayerStats::Hands& hands)
{
    json.key("handsPlayed").value(hands.handsPlayed);
    json.key("handsWon").value(hands.handsWon);
    json.key("vpipHands").value(hands.vpipHands);
    json.key("pfrHands").value(hands.pfrHands);
    json.key("showdowns").value(hands.showdowns);
    json.key("showdownsWon").value(hands.showdownsWon);
    json.key("biggestPotWon").value(hands.biggestPotWon);
    json.key("netChips").value(hands.netChips);
}

void writeTournamentFigures(JsonWriter& json, const PlayerStats& stats)
{
    json.key("tournaments")
        .beginObject()
        .key("played")
        .value(stats.tournaments.played)
        .key("won")
        .value(stats.tournaments.won)
        .key("cashed")
        .value(stats.tournaments.cashed)
        .key("bestPlace")
        .value(stats.tournaments.bestPlace)
        .endObject();
}

void writeStats(JsonWriter& json, const PlayerStats& stats)
{
    json.beginObject();
    writeHandFigures(json, stats.total);
    writeTournamentFigures(json, stats);
    json.key("session").beginObject();
    writeHandFigures(json, stats.session);
    json.endObject();
    json.key("chartPoints").value(stats.chartCount());
    json.endObject();
}
