#pragma once

#include "JsonWriter.h"

#include "poker/PlayerStats.h"

// The hand figures as members of the object being written.
void writeHandFigures(JsonWriter& json, const PlayerStats::Hands& hands);
// The "tournaments" object as a member of the object being written.
void writeTournamentFigures(JsonWriter& json, const PlayerStats& stats);
// The whole statistics object as `kmtool play` dumps it: the all-time figures,
// "tournaments", "session" and the number of chart points.
void writeStats(JsonWriter& json, const PlayerStats& stats);
