#include "poker/PlayerStats.h"

#include <algorithm>

namespace {

constexpr int32_t MAX_PLACE = 250;

// The data streams have no 64-bit integers: high word first, as a long would be.
void writeWide(DataOutputStream& out, int64_t value)
{
    out.writeInt(int32_t(uint64_t(value) >> 32));
    out.writeInt(int32_t(uint32_t(uint64_t(value))));
}

int64_t readWide(DataInputStream& in)
{
    const uint64_t high = uint32_t(in.readInt());
    const uint64_t low = uint32_t(in.readInt());
    return int64_t(high << 32 | low);
}

} // namespace

void PlayerStats::Hands::add(const HandResult& hand)
{
    if (!hand.dealt)
        return;
    ++handsPlayed;
    if (hand.collected > 0)
        ++handsWon;
    if (hand.voluntary)
        ++vpipHands;
    if (hand.raised)
        ++pfrHands;
    if (hand.showdown) {
        ++showdowns;
        if (hand.collected > 0)
            ++showdownsWon;
    }
    biggestPotWon = std::max(biggestPotWon, hand.collected);
    netChips += hand.collected - hand.put;
}

bool PlayerStats::Hands::isConsistent() const
{
    if (handsPlayed < 0 || handsWon < 0 || vpipHands < 0 || pfrHands < 0 || showdowns < 0 || showdownsWon < 0)
        return false;
    if (handsPlayed > MAX_COUNT || handsWon > handsPlayed || vpipHands > handsPlayed || showdowns > handsPlayed)
        return false;
    if (biggestPotWon > MAX_CHIPS || netChips > MAX_CHIPS || netChips < -MAX_CHIPS)
        return false;
    return pfrHands <= vpipHands && showdownsWon <= showdowns && showdownsWon <= handsWon && biggestPotWon >= 0;
}

void PlayerStats::addHand(const HandResult& hand)
{
    if (!hand.dealt)
        return;
    total.add(hand);
    session.add(hand);
    pushChart(total.netChips);
}

void PlayerStats::addTournament(int32_t place, bool paid)
{
    if (place < 1)
        return;
    ++tournaments.played;
    if (place == 1)
        ++tournaments.won;
    if (paid)
        ++tournaments.cashed;
    if (tournaments.bestPlace == 0 || place < tournaments.bestPlace)
        tournaments.bestPlace = place;
}

void PlayerStats::reset()
{
    total = Hands();
    session = Hands();
    tournaments = Tournaments();
    chartStart = 0;
    chartSize = 0;
}

int64_t PlayerStats::chartPoint(int32_t index) const
{
    if (index < 0 || index >= chartSize)
        return 0;
    return chart[(chartStart + index) % CHART_POINTS];
}

void PlayerStats::pushChart(int64_t value)
{
    if (chartSize < CHART_POINTS) {
        chart[(chartStart + chartSize++) % CHART_POINTS] = value;
        return;
    }
    chart[chartStart] = value; // the oldest point makes way
    chartStart = (chartStart + 1) % CHART_POINTS;
}

void PlayerStats::write(DataOutputStream& out) const
{
    out.writeByte(VERSION);
    out.writeInt(total.handsPlayed);
    out.writeInt(total.handsWon);
    out.writeInt(total.vpipHands);
    out.writeInt(total.pfrHands);
    out.writeInt(total.showdowns);
    out.writeInt(total.showdownsWon);
    writeWide(out, total.biggestPotWon);
    writeWide(out, total.netChips);
    out.writeInt(tournaments.played);
    out.writeInt(tournaments.won);
    out.writeInt(tournaments.cashed);
    out.writeInt(tournaments.bestPlace);
    out.writeShort(chartSize);
    for (int32_t i = 0; i < chartSize; ++i)
        writeWide(out, chartPoint(i));
}

PlayerStats::Read PlayerStats::read(DataInputStream& in)
{
    const Hands keptSession = session;
    reset();
    session = keptSession;
    const int32_t version = in.readUnsignedByte();
    if (in.truncated() || version < 1)
        return Read::Refused;

    Hands hands;
    hands.handsPlayed = in.readInt();
    hands.handsWon = in.readInt();
    hands.vpipHands = in.readInt();
    hands.pfrHands = in.readInt();
    hands.showdowns = in.readInt();
    hands.showdownsWon = in.readInt();
    hands.biggestPotWon = readWide(in);
    hands.netChips = readWide(in);
    if (in.truncated() || !hands.isConsistent())
        return Read::Refused;
    total = hands;

    Tournaments t;
    t.played = in.readInt();
    t.won = in.readInt();
    t.cashed = in.readInt();
    t.bestPlace = in.readInt();
    // Fields are at most 250 entrants; a place beyond that is no place of ours.
    const bool placeFits = t.played == 0 ? t.bestPlace == 0 : t.bestPlace >= 1 && t.bestPlace <= MAX_PLACE;
    if (in.truncated() || t.played > MAX_COUNT || t.won < 0 || t.cashed < 0 || t.won > t.played || t.cashed > t.played || !placeFits ||
        (t.won > 0 && t.bestPlace != 1))
        return Read::Partial;
    tournaments = t;

    // A count beyond the chart's size is not trusted: nothing is allocated for it
    // anyway, and the points kept are only those wholly present.
    const int32_t count = in.readUnsignedShort();
    // Chart points come from the figures, so they keep within the same bounds.
    if (in.truncated() || count > CHART_POINTS)
        return Read::Partial;
    for (int32_t i = 0; i < count; ++i) {
        const int64_t point = readWide(in);
        if (in.truncated() || point > MAX_CHIPS || point < -MAX_CHIPS)
            return Read::Partial;
        pushChart(point);
    }
    return Read::Whole;
}

bool PlayerStats::saveRecord(const String& storeName, DataOutputStream& out)
{
    if (!storeName.equals(String(STORE_NAME)))
        return false;
    write(out);
    return true;
}

bool PlayerStats::loadRecord(const String& storeName, DataInputStream& in)
{
    if (!storeName.equals(String(STORE_NAME)))
        return false;
    const PlayerStats before = *this;
    if (read(in) != Read::Refused)
        return true;
    *this = before;
    return false;
}
