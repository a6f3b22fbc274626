#pragma once

#include <array>
#include <vector>

// A deliberately plain evaluator for the tests: the best five of up to seven cards
// by trying every five-card subset and ranking each by sorting rank groups.
struct ReferenceHand {
    int category = -1; // 0 high card .. 9 royal flush
    std::array<int, 5> kickers {}; // rank values 2..14, 1 for the low ace of a wheel

    bool operator<(const ReferenceHand& other) const
    {
        if (category != other.category)
            return category < other.category;
        return kickers < other.kickers;
    }
    bool operator==(const ReferenceHand& other) const
    {
        return category == other.category && kickers == other.kickers;
    }
};

ReferenceHand referenceFive(const int cards[5]);
ReferenceHand referenceBest(const std::vector<int>& cards);
