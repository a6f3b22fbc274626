#pragma once

#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

#include <cstdint>
#include <functional>

class TournamentField;

// Names and faces for new computer opponents: a first name from one list with
// either an ending from a second list or a number 0..49, a random avatar 0..5, and
// now and then at the two top stakes the star opponent.
class OpponentFactory {
public:
    static constexpr int32_t STAR_AVATAR = 7;
    static constexpr int32_t AVATARS = 6;
    static constexpr int32_t TEXT_FIRST_NAMES = 2076;
    static constexpr int32_t TEXT_NAME_ENDINGS = 2077;
    static constexpr int32_t TEXT_STAR_NAME = 2091;
    // Redraws before a clashing name gets a number appended instead.
    static constexpr int32_t MAX_DRAWS = 100;

    struct NewOpponent {
        String name;
        int32_t avatar = 0;
        bool star = false;
    };

    // True when a name is already used at the table (or in the tournament).
    using NameTaken = std::function<bool(const String&)>;

    // The lists from the open pack.
    void loadNames();
    void setNames(const Vector<String>& firstNames, const Vector<String>& endings);

    // Percent chance that a new opponent is the star: 20 at stake level 5, 5 at 4.
    static int32_t starChance(int32_t stakeLevel);

    // A new opponent. starAllowed is false once the star is at the table.
    NewOpponent create(int32_t stakeLevel, bool starAllowed, const NameTaken& taken) const;
    // A generated name that taken() refuses; compared by content, so two opponents
    // never share a name however their texts were built.
    String drawName(const NameTaken& taken) const;
    String starName() const;
    // Entrants 1.. of a new tournament field, each with chips: the star second
    // when withStar, the others with drawn names that never repeat in the field.
    void fillField(TournamentField& field, int32_t chips, bool withStar) const;

private:
    String drawOnce() const;

    Vector<String> firstNames;
    Vector<String> endings;
};
