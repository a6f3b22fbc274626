#pragma once

// What a player did or may do. ActionMask bit (code - 1) offers code.
enum ActionCode {
    ACTION_NONE = 0,
    ACTION_FOLD = 1,
    ACTION_WAITING = 2, // offered to a seat that is not to act and owes nothing
    ACTION_CHECK = 3,
    ACTION_CALL = 4,
    ACTION_BET = 5,
    ACTION_RAISE = 6,
    ACTION_ALL_IN = 7,
    ACTION_BLIND = 8, // only ever a last action
};

constexpr int actionBit(int code)
{
    return 1 << (code - 1);
}
