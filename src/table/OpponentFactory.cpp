#include "table/OpponentFactory.h"

#include "core/resources/ResourcePack.h"
#include "core/resources/TextList.h"
#include "poker/RandomSource.h"
#include "poker/TournamentField.h"

void OpponentFactory::loadNames()
{
    firstNames = TextList::split(getText(TEXT_FIRST_NAMES));
    endings = TextList::split(getText(TEXT_NAME_ENDINGS));
}

void OpponentFactory::setNames(const Vector<String>& first, const Vector<String>& nameEndings)
{
    firstNames = first;
    endings = nameEndings;
}

int32_t OpponentFactory::starChance(int32_t stakeLevel)
{
    if (stakeLevel == 5)
        return 20;
    if (stakeLevel == 4)
        return 5;
    return 0;
}

String OpponentFactory::starName() const
{
    return getText(TEXT_STAR_NAME);
}

OpponentFactory::NewOpponent OpponentFactory::create(int32_t stakeLevel, bool starAllowed,
                                                     const NameTaken& taken) const
{
    NewOpponent opponent;
    RandomSource& random = RandomSource::shared();
    if (starAllowed && random.nextInt(100) < starChance(stakeLevel)) {
        opponent.name = starName();
        opponent.avatar = STAR_AVATAR;
        opponent.star = true;
        return opponent;
    }
    opponent.name = drawName(taken);
    opponent.avatar = random.nextInt(AVATARS);
    return opponent;
}

String OpponentFactory::drawOnce() const
{
    RandomSource& random = RandomSource::shared();
    String name = firstNames.size() > 0 ? firstNames[random.nextInt(firstNames.size())] : String("Guest");
    int32_t roll = random.nextInt(100);
    if (roll >= 50 && endings.size() > 0)
        return name + endings[random.nextInt(endings.size())];
    return name + (roll % 50);
}

String OpponentFactory::drawName(const NameTaken& taken) const
{
    String name;
    for (int32_t draw = 0; draw < MAX_DRAWS; ++draw) {
        name = drawOnce();
        if (!taken || !taken(name))
            return name;
    }
    // Short lists (a damaged pack) cannot loop forever: number the last draw.
    for (int32_t n = 2;; ++n) {
        String numbered = name + " " + n;
        if (!taken(numbered))
            return numbered;
    }
}

void OpponentFactory::fillField(TournamentField& field, int32_t chips, bool withStar) const
{
    for (int32_t i = 1; i < field.entrants; ++i) {
        if (withStar && i == 1) {
            field.setEntry(i, starName(), chips, STAR_AVATAR);
            continue;
        }
        String name = drawName([&](const String& candidate) {
            for (int32_t j = 0; j < i; ++j) {
                if (field.entry(j)->name.equals(candidate))
                    return true;
            }
            return false;
        });
        field.setEntry(i, name, chips, RandomSource::shared().nextInt(AVATARS));
    }
}
