#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Screen;

// What the scripted player's dump shows of the table, as plain values: the game,
// the hand, the cards the player can see, the seats, the player's choices and the
// messages. Filled from a table screen; the dump writes it as JSON.
struct TableSnapshot {
    struct Seat {
        bool present = false; // false: an empty seat (null in the dump)
        std::string name;
        int32_t chips = 0;
        int32_t bet = 0;
        bool inHand = false;
        int32_t avatar = 0;
        std::vector<std::string> cards; // "??" face down, "TS" face up; empty when none
        bool hasAction = false;
        std::string action; // the action text beside the seat
    };

    int32_t variant = 0;
    int32_t state = 0;
    int32_t hand = 0; // hands played
    int32_t dealer = -1;
    int32_t toAct = -1;
    int32_t blinds[2] = {0, 0};
    std::vector<std::string> board; // the cards visible to the player
    std::vector<int32_t> pots;      // the pots holding chips, main pot first
    Seat seats[6];
    std::vector<int32_t> actions; // ActionCodes offered now; empty when it is not the player's turn
    bool betEntry = false;
    int32_t amount = 0;
    int32_t minAmount = 0;
    int32_t maxAmount = 0;
    bool hasMessage = false;
    std::string message;
    bool hasStandings = false;
    std::vector<std::string> standings; // the standings view's rows as text
    int32_t place = -1; // the finishing place once the tournament is over for the player, else -1 (null)

    // Fills from a table screen; false, filling nothing, for any other screen.
    static bool fill(const Screen* screen, TableSnapshot& out);
};
