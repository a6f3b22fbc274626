#pragma once

#include <cstdint>

// The screens of the navigation table by id. A base of the classes that name
// them, so that they read as GameController::SCREEN_MAIN_MENU and the like.
struct ScreenIds {
    enum ScreenId : int32_t {
        SCREEN_NONE = -1,
        SCREEN_LOGOS = 1,
        SCREEN_LOADING = 2,
        SCREEN_TITLE = 3,
        SCREEN_MAIN_MENU = 5,
        SCREEN_HELP_TOPICS = 6,
        SCREEN_SAVED_GAME = 7,
        SCREEN_ABOUT = 20,
        SCREEN_OPTIONS = 21,
        SCREEN_HELP_TOPIC = 22,
        SCREEN_SOUND_QUESTION = 23,
        SCREEN_NEW_GAME_QUESTION = 24,
        SCREEN_GAME_TYPE = 27,
        SCREEN_STAKES = 28,
        SCREEN_PROFILE = 29,
        SCREEN_BANKROLL_LOW = 30,
        SCREEN_TOURNAMENT_SIZE = 31,
        SCREEN_STATS = 32,
        SCREEN_STATS_RESET = 33,
        SCREEN_TABLE = 40,
    };
};
