#pragma once

#include "core/runtime/String.h"
#include "poker/TableView.h"

#include <cstdint>

// What the table shows at one seat beyond the engine's view: the name and face as
// seated, the last action for a few seconds, the star's remark, and the money
// texts, made again only when their amounts change.
struct SeatState {
    static constexpr int32_t DEFAULT_AVATAR = 6;
    static constexpr int32_t TEXT_MS = 3000;

    String name; // as seated; the painter fits it to the seat's box
    uint8_t avatar = DEFAULT_AVATAR;
    String actionText; // the last action, shown while countdown runs
    String amountText;
    int32_t countdown = 0; // ms
    bool holeVisible[2] = {false, false};
    String bubble; // a remark of the star
    int32_t bubbleTime = 0; // ms
    String chipsText, betText, winningsText;
    int32_t shownChips = -1, shownBet = -1, shownWinnings = -1;

    // The money texts of the seat as the view has it now.
    void refreshMoney(const TableView::Seat& seat);
    // An action's text (and the seat's bet with it) for TEXT_MS.
    void showAction(int32_t textId, const TableView::Seat& seat, bool withAmount);
};
