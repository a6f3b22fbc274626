#include "poker/GameRecordClient.h"

#include "poker/GameRecord.h"
#include "poker/TourneyRecord.h"

#include <memory>

GameRecordClient::GameRecordClient(Profile& profile, GameSetup& setup)
    : profile(profile)
    , setup(setup)
{
}

bool GameRecordClient::saveRecord(const String& storeName, DataOutputStream& out)
{
    if (storeName.equals(Profile::STORE_NAME))
        return profile.write(out);
    if (storeName.equals(GameSetup::STORE_NAME))
        return setup.write(out);
    if (storeName.equals(GameRecord::STORE_NAME)) {
        if (!table || !GameRecord::write(out, *table, avatars, humanSeat))
            return false;
        gameInProgress = true;
        return true;
    }
    if (storeName.equals(TourneyRecord::STORE_NAME)) {
        if (!table || !field || !TourneyRecord::writeTourney(out, setup.stakeLevel, *table, *field))
            return false;
        tourneyInProgress = true;
        return true;
    }
    return false;
}

bool GameRecordClient::loadRecord(const String& storeName, DataInputStream& in)
{
    if (storeName.equals(Profile::STORE_NAME))
        return profile.read(in);
    if (storeName.equals(GameSetup::STORE_NAME))
        return setup.read(in);
    if (storeName.equals(GameRecord::STORE_NAME)) {
        if (!gameInProgress || !table)
            return false;
        GameRecord record;
        if (!record.read(in, *table))
            return false;
        record.applyTo(*table, avatars, humanSeat);
        return true;
    }
    if (storeName.equals(TourneyRecord::STORE_NAME)) {
        if (!tourneyInProgress || !table || !field)
            return false;
        // About 20 KB for a full field: kept off the stack.
        std::unique_ptr<TourneyRecord> record(new TourneyRecord);
        if (!record->readFields(in) || !record->isValidFor(*table))
            return false;
        if (!record->field.isValidFor(*field)) {
            // Set up for another size: build the field the record was saved from.
            TournamentField rebuilt;
            rebuilt.createField(record->entrants);
            if (!record->field.isValidFor(rebuilt))
                return false;
            *field = rebuilt;
        }
        record->applyTo(*table, *field);
        setup.stakeLevel = record->stakeIndex;
        setup.tournamentSize = record->fieldIndex;
        return true;
    }
    return false;
}
