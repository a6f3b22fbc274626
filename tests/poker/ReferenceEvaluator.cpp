#include "ReferenceEvaluator.h"

#include <algorithm>
#include <utility>

ReferenceHand referenceFive(const int cards[5])
{
    std::vector<int> values;
    bool flush = true;
    for (int i = 0; i < 5; ++i) {
        values.push_back(cards[i] % 13 + 2);
        if (cards[i] / 13 != cards[0] / 13)
            flush = false;
    }
    std::sort(values.rbegin(), values.rend());

    // Groups of equal rank, biggest group first, then higher rank first.
    std::vector<std::pair<int, int>> groups; // (size, value)
    for (int v : values) {
        if (!groups.empty() && groups.back().second == v)
            ++groups.back().first;
        else
            groups.push_back({ 1, v });
    }
    std::stable_sort(groups.begin(), groups.end(),
        [](const std::pair<int, int>& a, const std::pair<int, int>& b) { return a.first > b.first; });

    bool distinct = groups.size() == 5;
    bool straight = distinct && values[0] - values[4] == 4;
    std::vector<int> order = values;
    if (distinct && values[0] == 14 && values[1] == 5 && values[4] == 2) {
        straight = true;
        order = { 5, 4, 3, 2, 1 };
    }

    ReferenceHand hand;
    if (straight && flush) {
        hand.category = order[0] == 14 ? 9 : 8;
    } else if (groups[0].first == 4) {
        hand.category = 7;
    } else if (groups[0].first == 3 && groups[1].first == 2) {
        hand.category = 6;
    } else if (flush) {
        hand.category = 5;
    } else if (straight) {
        hand.category = 4;
    } else if (groups[0].first == 3) {
        hand.category = 3;
    } else if (groups[0].first == 2 && groups[1].first == 2) {
        hand.category = 2;
    } else if (groups[0].first == 2) {
        hand.category = 1;
    } else {
        hand.category = 0;
    }
    if (!straight) {
        order.clear();
        for (auto& group : groups) {
            for (int i = 0; i < group.first; ++i)
                order.push_back(group.second);
        }
    }
    for (int i = 0; i < 5; ++i)
        hand.kickers[i] = order[i];
    return hand;
}

ReferenceHand referenceBest(const std::vector<int>& cards)
{
    ReferenceHand best;
    int n = int(cards.size());
    int pick[5];
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d)
                    for (int e = d + 1; e < n; ++e) {
                        pick[0] = cards[a];
                        pick[1] = cards[b];
                        pick[2] = cards[c];
                        pick[3] = cards[d];
                        pick[4] = cards[e];
                        ReferenceHand hand = referenceFive(pick);
                        if (best < hand)
                            best = hand;
                    }
    return best;
}
