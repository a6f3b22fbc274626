#include "poker/GameRecordClient.h"

#include "poker/GameRecord.h"

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
    return false;
}
