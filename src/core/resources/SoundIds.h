#pragma once

#include <cstdint>

// The game's sounds by id, the index into SOUND_RESOURCE_IDS (the pack's
// resource ids), and the id that stops whatever plays.
constexpr int32_t SOUND_TITLE_MUSIC = 0;
constexpr int32_t SOUND_GAME_OVER = SOUND_TITLE_MUSIC; // a game's end plays the title tune
constexpr int32_t SOUND_BOARD_RUN_OUT = 1; // everybody is all-in
constexpr int32_t SOUND_YOUR_TURN = 2;
constexpr int32_t SOUND_HAND_WON = 3;
constexpr int32_t SOUND_CARD_DEALT = 4;
constexpr int32_t SOUND_FOLD = 5;
constexpr int32_t SOUND_CHIPS = 6; // a bet, a raise or all-in

constexpr int32_t SOUND_COUNT = 7;
constexpr int32_t SOUND_RESOURCE_IDS[SOUND_COUNT] = {5007, 5006, 5008, 5004, 5003, 5002, 5005};

// Not a sound: the request to stop the one playing.
constexpr int32_t STOP_SOUND = 254;
