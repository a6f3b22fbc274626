#pragma once

#include "core/runtime/SharedPointer.h"
#include "table/TableHost.h"

#include <cstdint>

class GameController;
class HandHistoryStore;

// The table's host in the game: the controller's profile, record client, stores,
// sounds and vibration, and the two engine objects every game reuses (made once,
// with the controller: making the table reseeds the shared random generator from
// the clock, as starting the game does).
class ControllerTableHost : public TableHost {
public:
    // histories may be null: no hand histories are kept.
    ControllerTableHost(GameController& controller, HandHistoryStore* histories);

    // Hands the controller its table screens: a TableScreen for every new or
    // resumed game, and the player's current name and avatar for the kept one.
    // The host lives as long as the controller's factory.
    static void install(GameController& controller, HandHistoryStore* histories = nullptr);

    Profile& profile() override;
    SharedPointer<PokerTable> engineTable() override { return table; }
    SharedPointer<TournamentField> engineField() override { return field; }
    GameRecordClient& records() override;
    FileSystem* fileSystem() override;
    bool storeKept(const char* storeName) override;
    void playSound(int32_t id) override;
    void vibrate(int32_t milliseconds) override;
    int64_t reserveHandNumber() override;
    void keepHand(const std::string& text, int64_t startMillis) override;

private:
    GameController& controller;
    SharedPointer<PokerTable> table;
    SharedPointer<TournamentField> field;
    HandHistoryStore* histories;
};
