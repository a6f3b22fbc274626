#pragma once

#include "core/io/DataInputStream.h"
#include "core/io/DataOutputStream.h"
#include "core/io/RecordClient.h"
#include "poker/HandResult.h"

#include <cstdint>

// The player's statistics: the hand figures a tracker computes from the hand
// histories (over all time and since the program started), the tournaments, and
// the cumulative winnings after each of the last CHART_POINTS hands for the chart.
//
// Record 1 of "KMRB2Stats": a version byte, then the all-time hand figures, the
// tournament figures and the chart, in that order. Later versions may only append
// fields, so a reader takes the blocks it knows from any version >= 1 and keeps
// every whole block it could read from a cut record.
class PlayerStats : public RecordClient {
public:
    static constexpr const char* STORE_NAME = "KMRB2Stats";
    static constexpr int32_t VERSION = 1;
    static constexpr int32_t CHART_POINTS = 500;
    // Bounds a record must keep: far beyond any real play, and far enough from the
    // integer limits that counting on from a read record cannot overflow.
    static constexpr int32_t MAX_COUNT = 1000000000;
    static constexpr int64_t MAX_CHIPS = int64_t(1) << 50;

    struct Hands {
        int32_t handsPlayed = 0;
        int32_t handsWon = 0; // collected chips
        int32_t vpipHands = 0;
        int32_t pfrHands = 0;
        int32_t showdowns = 0;
        int32_t showdownsWon = 0;
        int64_t biggestPotWon = 0; // most chips collected in one hand
        int64_t netChips = 0;      // collected minus put in

        void add(const HandResult& hand);
        // No count exceeds the hands it is a part of, none is negative, and all are
        // within the bounds.
        bool isConsistent() const;
    };

    struct Tournaments {
        int32_t played = 0;
        int32_t won = 0;
        int32_t cashed = 0;
        int32_t bestPlace = 0; // 0 while none has finished
    };

    // How much of a record was taken.
    enum class Read { Whole, Partial, Refused };

    Hands total;
    Hands session;
    Tournaments tournaments;

    // A hand the player was not dealt into changes nothing.
    void addHand(const HandResult& hand);
    // place 1 is the winner; paid: the place won a prize.
    void addTournament(int32_t place, bool paid);
    // Clears everything recorded, the session and the chart included.
    void reset();

    // The chart: cumulative netChips after each recorded hand, oldest first.
    int32_t chartCount() const { return chartSize; }
    int64_t chartPoint(int32_t index) const;

    void write(DataOutputStream& out) const;
    // Blocks that are cut or out of range are left at zero, and so is everything
    // after them; Refused (and everything zero) for a version it cannot read.
    Read read(DataInputStream& in);

    // RecordClient: "KMRB2Stats" only. A record that is partly readable is taken
    // for what it holds.
    bool saveRecord(const String& storeName, DataOutputStream& out) override;
    bool loadRecord(const String& storeName, DataInputStream& in) override;

private:
    void pushChart(int64_t value);

    int64_t chart[CHART_POINTS] = {};
    int32_t chartStart = 0; // index of the oldest point
    int32_t chartSize = 0;
};
