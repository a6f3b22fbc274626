#pragma once

#include "poker/Board.h"
#include "poker/Card.h"
#include "poker/HandEvaluator.h"
#include "poker/Player.h"
#include "poker/RandomSource.h"

#include <sstream>
#include <utility>
#include <string>
#include <vector>

// "AS KD 2C" -> card numbers.
inline std::vector<int> cards(const std::string& text)
{
    std::vector<int> result;
    std::istringstream words(text);
    std::string word;
    while (words >> word)
        result.push_back(Card::parse(word));
    return result;
}

// n distinct random cards, drawn as a partial shuffle.
inline std::vector<int> randomCards(RandomSource& random, int n)
{
    std::vector<int> deck;
    for (int card = 0; card < 52; ++card)
        deck.push_back(card);
    for (int i = 0; i < n; ++i)
        std::swap(deck[i], deck[i + random.nextInt(52 - i)]);
    deck.resize(n);
    return deck;
}

// Two hole cards then up to five board cards, evaluated as at the table.
struct SevenCards {
    Player player { nullptr, 0 };
    Board board;

    explicit SevenCards(const std::string& text) { set(cards(text)); }
    SevenCards() = default;

    void set(const std::vector<int>& list)
    {
        player.hole.reset();
        board.clear();
        for (size_t i = 0; i < list.size(); ++i) {
            if (i < 2)
                player.hole.add(list[i]);
            else
                board.add(list[i]);
        }
        HandEvaluator::evaluatePlayer(player, board);
    }

    std::vector<int> kickers() const
    {
        return { player.kickers[0], player.kickers[1], player.kickers[2], player.kickers[3], player.kickers[4] };
    }
};
